#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;

// By how much the operator's keys change the delay during play.
struct KeySteps {
    int pageStep = 0;  // Page Up / Page Down
    int arrowStep = 0; // Up / Down arrow
};

// "Configure  Keys": two track bars for the Page Up/Down and arrow key steps, OK and Cancel.
// It takes the steps in and hands back the steps to keep; the caller stores them.
class KeyStepsDialog : public QDialog {
    Q_OBJECT
public:
    // position: the dialog's top-left corner on the screen.
    explicit KeyStepsDialog(QWidget *parent = nullptr, QPoint position = {});

    // Shows the dialog modally for these steps; returns the bars' positions after OK, the
    // steps given after Cancel, Esc or the close box.
    KeySteps execute(const KeySteps &current);
    // The steps shown when the dialog opens, and after it closes the steps to keep.
    void setIncrements(const KeySteps &steps) { m_steps = steps; }
    const KeySteps &increments() const { return m_steps; }

    // The controls, each named as its objectName.
    struct Ui {
        QLabel *pageStepCaption = nullptr,
               *pageStepValue = nullptr; // Page Up/Down caption and value
        QSlider *pageStepBar = nullptr;  // Page Up/Down step, 0..3000
        QLabel *arrowStepCaption = nullptr, *arrowStepValue = nullptr; // arrow caption and value
        QSlider *arrowStepBar = nullptr;                               // arrow step, 0..500
        QPushButton *okButton = nullptr;                               // OK
        QPushButton *cancelButton = nullptr;                           // Cancel
    };
    const Ui &ui() const { return m_ui; }

    void showValues();
    void pageStepBarMoved();
    void arrowStepBarMoved();
    void okClicked();
    void cancelClicked();
    // Esc and the close box change nothing, as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    KeySteps m_steps;
    KeySteps m_remembered;
    Ui m_ui;
};
