#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class UpDown;

// What the start time dialog hands back: whether OK closed it, and the start time as a day
// fraction when the fields held a valid time (an invalid one has been reported already).
struct StartTimeChoice {
    bool accepted = false;
    std::optional<double> startime;
};

// "Set Auto Start Time": the current time, three fields with up-downs for the start time,
// OK and Cancel. The caller applies the choice.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    // position: the dialog's top-left corner on the screen.
    explicit TForm5(QWidget *parent = nullptr, QPoint position = {});

    // Shows the dialog modally; what the operator chose.
    StartTimeChoice execute();
    const StartTimeChoice &choice() const { return m_choice; }

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
    StartTimeChoice m_choice;
};
