#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;

// "Set Color Bar Time": a track bar from 0 to 30 seconds for the colour bars' hold time.
// It takes the time in and hands the chosen one back; the caller keeps it.
class TBconfig : public QDialog {
    Q_OBJECT
public:
    // position: the dialog's top-left corner on the screen.
    explicit TBconfig(QWidget *parent = nullptr, QPoint position = {});

    // Shows the dialog modally for this colour-bar time; returns the time to keep: the
    // bar's position after OK, the time given after Cancel.
    int execute(int cbarTime);
    // The time shown when the dialog opens, and after it closes the time chosen.
    void setCbarTime(int seconds) { m_cbarTime = seconds; }
    int cbarTime() const { return m_cbarTime; }

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
    int m_cbarTime = 0;
    int m_remembered = 0;
};
