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
    std::optional<double> startTime;
};

// "Set Auto Start Time": the current time, three fields with up-downs for the start time,
// OK and Cancel. The caller applies the choice.
class StartTimeDialog : public QDialog {
    Q_OBJECT
public:
    // position: the dialog's top-left corner on the screen.
    explicit StartTimeDialog(QWidget *parent = nullptr, QPoint position = {});

    // Shows the dialog modally; what the operator chose.
    StartTimeChoice execute();
    const StartTimeChoice &choice() const { return m_choice; }

    // The controls, each named as its objectName.
    struct Ui {
        QLabel *clockLabel = nullptr;
        QLineEdit *hourEdit = nullptr, *minuteEdit = nullptr, *secondEdit = nullptr;
        UpDown *hourUpDown = nullptr, *minuteUpDown = nullptr, *secondUpDown = nullptr;
        QPushButton *okButton = nullptr, *cancelButton = nullptr;
        QTimer *clockTimer = nullptr;
    };
    const Ui &ui() const { return m_ui; }

    void showValues();
    void clockTick();
    void okClicked();
    void cancelClicked();
    // Clicking into the seconds field shows only the seconds up-down.
    void secondEditClicked();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void upDownClicked(QLineEdit *field, int position);
    void checkInteger(QLineEdit *field);
    StartTimeChoice m_choice;
    Ui m_ui;
};
