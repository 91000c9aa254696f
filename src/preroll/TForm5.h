#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TForm1;
class UpDown;

// "Set Auto Start Time": the current time, three fields with up-downs for the start time,
// OK and Cancel. OK sets the main window's Startime; Cancel toggles auto start when the
// auto-timer panel is showing.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    explicit TForm5(TForm1 *mainWindow);

    QLabel *form5Clock = nullptr;
    QLineEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr;
    UpDown *UpDown1 = nullptr, *UpDown2 = nullptr, *UpDown3 = nullptr;
    QPushButton *OKButton = nullptr, *CancelButton = nullptr;
    QTimer *Timer1 = nullptr;

    void FormShow();
    void Timer1Timer();
    void OKClick();
    void CancelClick();
    // Clicking into the seconds field shows only the seconds up-down.
    void Edit3Click();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void upDownClicked(QLineEdit *field, int position);
    void checkInteger(QLineEdit *field);
    TForm1 *m_main;
};
