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
class TFadeSetup : public ValueDialog {
    Q_OBJECT
public:
    explicit TFadeSetup(QWidget *parent = nullptr);

    // Shows the dialog modally for these settings; how it was closed and the settings then.
    FadeSetupResult execute(const FadeSettings &settings);
    const FadeSettings &values() const { return m_values; }

    QCheckBox *CheckBox1 = nullptr; // "Use fading titles"
    QCheckBox *CheckBox2 = nullptr; // "Use two line titles"
    QCheckBox *CheckBox3 = nullptr; // "Use TVTitles"
    QCheckBox *checkbox4 = nullptr; // "Antialias"
    QSlider *TrackBar1 = nullptr;   // hold time, 0 to 30 seconds
    QLabel *Label1 = nullptr, *Label2 = nullptr;
    QPushButton *BitBtn1 = nullptr, *BitBtn2 = nullptr; // OK, Cancel

    void FormShow();
    void TrackBar1Change();
    void CheckBox1Click();
    void CheckBox2Click();
    void CheckBox3Click();
    void checkbox4Click();
    void BitBtn1Click();
    void BitBtn2Click();

protected:
    void showEvent(QShowEvent *event) override;
    void cancel() override { BitBtn2Click(); }

private:
    void updateEnabling();

    FadeSettings m_values;
    FadeSettings m_remembered;
};
