#pragma once

#include "dialogs/ValueDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

// "Fading Options": fading titles on or off, two-line titles, TV titles, antialiasing and
// the hold time. It takes the settings in and hands the chosen ones back; the main window
// applies them. Boxes 2 to 4 are usable only while box 1 is checked, box 3 only while box 2
// is checked too; a box whose state changes runs its click rule, whether the operator or
// the program changed it. Every change applies to the values at once; Cancel (or Esc)
// hands back the values as they were when the dialog opened, the close box keeps the
// changes.
class FadingOptionsDialog : public ValueDialog {
    Q_OBJECT
public:
    explicit FadingOptionsDialog(QWidget *parent = nullptr);

    // Shows the dialog modally for these settings; how it was closed and the settings then.
    FadingOptionsResult execute(const FadingOptions &settings);
    const FadingOptions &values() const { return m_values; }

    // The controls, each named as its objectName.
    struct Ui {
        QCheckBox *fadeTitlesBox = nullptr; // "Use fading titles"
        QCheckBox *twoLinesBox = nullptr;   // "Use two line titles"
        QCheckBox *tvTitlesBox = nullptr;   // "Use TVTitles"
        QCheckBox *antialiasBox = nullptr;  // "Antialias"
        QSlider *holdBar = nullptr;         // hold time, 0 to 30 seconds
        QLabel *holdCaption = nullptr, *holdValue = nullptr;
        QPushButton *okButton = nullptr, *cancelButton = nullptr; // OK, Cancel
    };
    const Ui &ui() const { return m_ui; }

    void showValues();
    void holdBarMoved();
    void fadeTitlesToggled();
    void twoLinesToggled();
    void tvTitlesToggled();
    void antialiasToggled();
    void okClicked();
    void cancelClicked();

signals:
    // "Use fading titles" changed: the main window follows at once.
    void fadingSwitched(bool on);

protected:
    void showEvent(QShowEvent *event) override;
    void cancel() override { cancelClicked(); }

private:
    void updateEnabling();

    FadingOptions m_values;
    FadingOptions m_remembered;
    Ui m_ui;
};
