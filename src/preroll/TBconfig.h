#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;
class TForm1;

// "Set Color Bar Time": a track bar from 0 to 30 seconds for the colour bars' hold time.
class TBconfig : public QDialog {
    Q_OBJECT
public:
    explicit TBconfig(TForm1 *mainWindow);

    QLabel *Label2 = nullptr;
    QSlider *TrackBar1 = nullptr;
    QPushButton *OKButton = nullptr, *CancelButton = nullptr;

    void FormShow();
    void TrackBar1Change();
    void OKClick();
    void CancelClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    TForm1 *m_main;
    int m_remembered = 0;
};
