#include "dialogs/OptionDialogCommands.h"

#include "dialogs/FadingOptionsDialog.h"
#include "dialogs/KeyStepsDialog.h"
#include "dialogs/OutputAreaDialog.h"
#include "platform/RadioGroup.h"
#include "platform/Screen.h"
#include "settings/Settings.h"

#include <QWidget>

OptionDialogCommands::OptionDialogCommands(Settings &settings, QWidget *editor,
                                           RadioGroup *screenResGroup, Hooks hooks, QObject *parent)
    : QObject(parent), m_settings(settings), m_editor(editor), m_screenResGroup(screenResGroup),
      m_hooks(std::move(hooks)) {}

void OptionDialogCommands::setDialogs(FadingOptionsDialog *fading, OutputAreaDialog *outputArea,
                                      KeyStepsDialog *keySteps) {
    m_fadingDialog = fading;
    m_outputAreaDialog = outputArea;
    m_keyStepsDialog = keySteps;
    // While a dialog is open the window follows its changes.
    if (fading) {
        connect(fading, &FadingOptionsDialog::fadingSwitched, this, [this](bool on) {
            m_settings.fadeTitles = on;
            m_hooks.applyFadeMode();
        });
    }
    if (outputArea)
        connect(outputArea, &OutputAreaDialog::valuesChanged, this,
                &OptionDialogCommands::outputAreaChanged);
}

// The rectangle and the two placement switches into the settings.
void OptionDialogCommands::storeOutputArea(const OutputAreaValues &v) {
    m_settings.outputLeft = v.rect.left;
    m_settings.outputTop = v.rect.top;
    m_settings.outputRight = v.rect.right;
    m_settings.outputBottom = v.rect.bottom;
    m_settings.centerFade = v.centerFade;
    m_settings.lowerThird = v.lowerThird;
}

void OptionDialogCommands::outputAreaChanged(const OutputAreaValues &v, OutputAreaChange change) {
    storeOutputArea(v);
    if (change == OutputAreaChange::AutoCenter)
        m_hooks.showStatus(QStringLiteral("Left %1 Top %2").arg(v.rect.left).arg(v.rect.top));
    else if (change != OutputAreaChange::BarMoved)
        m_hooks.showSummary();
}

void OptionDialogCommands::editFadingOptions() {
    if (!m_fadingDialog)
        return;
    FadingOptions s;
    s.fadeTitles = m_settings.fadeTitles;
    s.fadeTwoLines = m_settings.fadeTwoLines;
    s.fadeTvTitle = m_settings.fadeTvTitle;
    s.fadeAntialias = m_settings.fadeAntialias;
    s.fadeHoldSeconds = m_settings.fadeHoldSeconds;
    applyFadingOptions(m_fadingDialog->execute(s));
}

void OptionDialogCommands::applyFadingOptions(const FadingOptionsResult &result) {
    m_settings.fadeTitles = result.values.fadeTitles;
    m_settings.fadeTwoLines = result.values.fadeTwoLines;
    m_settings.fadeTvTitle = result.values.fadeTvTitle;
    m_settings.fadeAntialias = result.values.fadeAntialias;
    m_settings.fadeHoldSeconds = result.values.fadeHoldSeconds;
    // The window follows the fading switch as it now stands (Cancel may have restored it);
    // the summary texts show what is now set.
    m_hooks.applyFadeMode();
    m_hooks.showSummary();
}

void OptionDialogCommands::editOutputArea() {
    if (!m_outputAreaDialog)
        return;
    OutputAreaRequest q;
    q.values.rect = {m_settings.outputLeft, m_settings.outputTop, m_settings.outputRight,
                     m_settings.outputBottom};
    q.values.centerFade = m_settings.centerFade;
    q.values.lowerThird = m_settings.lowerThird;
    q.values.screenResIndex = m_screenResGroup->itemIndex();
    q.fadeMode = m_settings.fadeTitles;
    q.editorPointSize = m_editor->font().pointSize();
    q.editorWidth = m_editor->width();
    q.screen = platform::Screen::size();
    q.title = m_hooks.titleSize();
    applyOutputArea(m_outputAreaDialog->execute(q));
}

void OptionDialogCommands::applyOutputArea(const OutputAreaResult &result) {
    const OutputAreaValues &v = result.values;
    storeOutputArea(v);
    if (m_screenResGroup->itemIndex() != v.screenResIndex)
        m_screenResGroup->setItemIndex(v.screenResIndex);
    m_hooks.showSummary();
    // OK in output mode gives the editor half the output width.
    if (result.closedBy == DialogClose::Ok && result.editorWidth != m_editor->width()) {
        m_editor->resize(result.editorWidth, m_editor->height());
        m_hooks.layOut();
    }
}

void OptionDialogCommands::editKeySteps() {
    if (!m_keyStepsDialog)
        return;
    const KeySteps kept = m_keyStepsDialog->execute({m_settings.pageStep, m_settings.arrowStep});
    m_settings.pageStep = kept.pageStep;
    m_settings.arrowStep = kept.arrowStep;
}
