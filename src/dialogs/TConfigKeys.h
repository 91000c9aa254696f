#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;

// By how much the operator's keys change the delay during play.
struct KeyIncrements {
    int pgJumpAmt = 0; // Page Up / Page Down
    int arrowAmt = 0;  // Up / Down arrow
};

// "Configure  Keys": two track bars for the Page Up/Down and arrow key steps, OK and Cancel.
// It takes the steps in and hands back the steps to keep; the caller stores them.
class TConfigKeys : public QDialog {
    Q_OBJECT
public:
    // position: the dialog's top-left corner on the screen.
    explicit TConfigKeys(QWidget *parent = nullptr, QPoint position = {});

    // Shows the dialog modally for these steps; returns the bars' positions after OK, the
    // steps given after Cancel, Esc or the close box.
    KeyIncrements execute(const KeyIncrements &current);
    // The steps shown when the dialog opens, and after it closes the steps to keep.
    void setIncrements(const KeyIncrements &steps) { m_steps = steps; }
    const KeyIncrements &increments() const { return m_steps; }

    QLabel *Label1 = nullptr, *Label2 = nullptr; // Page Up/Down caption and value
    QSlider *TrackBar1 = nullptr;                // Page Up/Down step, 0..3000
    QLabel *Label3 = nullptr, *Label4 = nullptr; // arrow caption and value
    QSlider *TrackBar2 = nullptr;                // arrow step, 0..500
    QPushButton *BitBtn1 = nullptr;              // OK
    QPushButton *BitBtn2 = nullptr;              // Cancel

    void FormShow();
    void TrackBar1Change();
    void TrackBar2Change();
    void BitBtn1Click();
    void BitBtn2Click();
    // Esc and the close box change nothing, as Cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    KeyIncrements m_steps;
    KeyIncrements m_remembered;
};
