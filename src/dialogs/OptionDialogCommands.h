#pragma once

#include <QObject>
#include <QSize>

#include <functional>

class FadingOptionsDialog;
class KeyStepsDialog;
class OutputAreaDialog;
class QWidget;
class RadioGroup;
struct FadingOptionsResult;
struct OutputAreaResult;
struct OutputAreaValues;
struct Settings;
enum class OutputAreaChange;

// The option dialogs' commands: "Fade Titles ..." (the fading options), the output area
// ("Ad&just output window size", Ctrl+J) and "Confi&gure Keys..." (the key steps). Each
// dialog takes the settings in and hands the chosen ones back; they are applied here.
class OptionDialogCommands : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> applyFadeMode; // the window follows the fading switch
        std::function<void()> showSummary;
        std::function<void(const QString &)> showStatus; // the status bar's summary panel
        std::function<void()> layOut;
        std::function<QSize()> titleSize; // the play window's strip as it stands
    };
    // editor: the editor, whose width the output area sets and whose font size is the least
    // output height; screenResGroup: the "Screen Res" choice.
    OptionDialogCommands(Settings &settings, QWidget *editor, RadioGroup *screenResGroup,
                         Hooks hooks, QObject *parent = nullptr);
    // The dialogs are created after the main window.
    void setDialogs(FadingOptionsDialog *fading, OutputAreaDialog *outputArea,
                    KeyStepsDialog *keySteps);

    void editFadingOptions();
    void applyFadingOptions(const FadingOptionsResult &result);
    void editOutputArea();
    void applyOutputArea(const OutputAreaResult &result);
    void outputAreaChanged(const OutputAreaValues &values, OutputAreaChange change);
    void editKeySteps();

private:
    void storeOutputArea(const OutputAreaValues &values);
    Settings &m_settings;
    QWidget *m_editor;
    RadioGroup *m_screenResGroup;
    Hooks m_hooks;
    FadingOptionsDialog *m_fadingDialog = nullptr;
    OutputAreaDialog *m_outputAreaDialog = nullptr;
    KeyStepsDialog *m_keyStepsDialog = nullptr;
};
