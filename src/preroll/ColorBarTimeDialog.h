#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QSlider;

// "Set Color Bar Time": a track bar from 0 to 30 seconds for the colour bars' hold time.
// It takes the time in and hands the chosen one back; the caller keeps it.
class ColorBarTimeDialog : public QDialog {
    Q_OBJECT
public:
    // position: the dialog's top-left corner on the screen.
    explicit ColorBarTimeDialog(QWidget *parent = nullptr, QPoint position = {});

    // Shows the dialog modally for this colour-bar time; returns the time to keep: the
    // bar's position after OK, the time given after Cancel.
    int execute(int seconds);
    // The time shown when the dialog opens, and after it closes the time chosen.
    void setSeconds(int seconds) { m_seconds = seconds; }
    int seconds() const { return m_seconds; }

    // The controls, each named as its objectName.
    struct Ui {
        QLabel *secondsLabel = nullptr;
        QSlider *secondsBar = nullptr;
        QPushButton *okButton = nullptr, *cancelButton = nullptr;
    };
    const Ui &ui() const { return m_ui; }

    void showValues();
    void secondsBarMoved();
    void okClicked();
    void cancelClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    int m_seconds = 0;
    int m_remembered = 0;
    Ui m_ui;
};
