// The Font menu and its tool buttons: the font chooser, the text and background colours, the
// font styles, and the check marks that change the editor or what play does.
#include "editor/FontCommands.h"

#include "dialogs/FontChooser.h"
#include "editor/ScriptEditor.h"
#include "platform/Colors.h"
#include "platform/FileDialogs.h"
#include "platform/TrackBar.h"
#include "settings/Settings.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QToolButton>

namespace {

// A style item toggles its check mark and gives the editor font its style or takes it away;
// the other styles stay.
void toggleStyle(QAction *item, ScriptEditor *editor, void (QFont::*setStyle)(bool)) {
    item->setChecked(!item->isChecked());
    QFont font = editor->font();
    (font.*setStyle)(item->isChecked());
    editor->setFont(font);
}

} // namespace

// ---- Font chooser ------------------------------------------------------------------------

FontCommands::FontCommands(const Controls &controls, Settings &settings,
                           std::function<void()> caretMoved, QObject *parent)
    : QObject(parent), m_controls(controls), m_settings(settings),
      m_caretMoved(std::move(caretMoved)) {}

void FontCommands::applyEditorFace(const QString &face) {
    QFont font = m_controls.editor->font();
    font.setFamily(face);
    m_controls.editor->setFont(font);
    m_controls.fontFaceLabel->setText(m_controls.editor->font().family());
}

void FontCommands::applyEditorSize(int points) {
    m_controls.editor->setFontPointSize(points);
    platform::setTrackBarPosition(m_controls.fontSizeBar, points);
    m_controls.fontSizeLabel->setText(QString::number(points));
}

// The chooser stands beside the editor; the editor follows every choice at once, and Cancel
// hands back the face and size it had.
void FontCommands::chooseFont() {
    if (!m_chooser)
        return;
    FontChooserInput input;
    input.font = m_controls.editor->font();
    input.text = m_controls.editor->palette().color(QPalette::Text);
    input.background = m_controls.editor->palette().color(QPalette::Base);
    input.topLeft =
        QPoint(m_controls.editor->x() + m_controls.editor->width() + 20, m_controls.editor->y());
    input.height = m_controls.window->height() - 100;
    const auto face =
        connect(m_chooser, &FontChooser::faceChosen, this, &FontCommands::applyEditorFace);
    const auto size =
        connect(m_chooser, &FontChooser::sizeChosen, this, &FontCommands::applyEditorSize);
    const FontChoice kept = m_chooser->execute(input);
    disconnect(face);
    disconnect(size);
    applyEditorFace(kept.face);
    applyEditorSize(kept.size);
}

// ---- Colours -----------------------------------------------------------------------------

void FontCommands::setEditorColor(QPalette::ColorRole role, int colorValue) {
    QPalette pal = m_controls.editor->palette();
    pal.setColor(role, platform::toQColor(colorValue));
    m_controls.editor->setPalette(pal);
}

// The play text colour; with the chroma check down the editor shows it at once.
void FontCommands::chooseTextColor() {
    if (const std::optional<int> chosen = platform::ColorDialogs::choose(m_settings.textColor))
        m_settings.textColor = *chosen;
    emit textColorChosen(m_settings.textColor);
    if (m_controls.chromaCheckButton->isChecked())
        setEditorColor(QPalette::Text, m_settings.textColor);
}

// The play background; fading titles are offered only on black, and with the chroma check
// down the editor shows the colour at once.
void FontCommands::chooseBackgroundColor() {
    if (const std::optional<int> chosen =
            platform::ColorDialogs::choose(m_settings.backgroundColor))
        m_settings.backgroundColor = *chosen;
    emit backgroundColorChosen(m_settings.backgroundColor);
    if (m_controls.chromaCheckButton->isChecked())
        setEditorColor(QPalette::Base, m_settings.backgroundColor);
}

// ---- Styles and check marks ----------------------------------------------------------------

void FontCommands::toggleBold() {
    toggleStyle(m_controls.bold, m_controls.editor, &QFont::setBold);
}

void FontCommands::toggleUnderline() {
    toggleStyle(m_controls.underline, m_controls.editor, &QFont::setUnderline);
}

void FontCommands::toggleItalic() {
    toggleStyle(m_controls.italic, m_controls.editor, &QFont::setItalic);
}

void FontCommands::toggleStartFromCursor() {
    m_controls.startFromCursor->setChecked(!m_controls.startFromCursor->isChecked());
}

// Fading titles draw their own title lines: TV Title stays off while they are on.
void FontCommands::toggleTvTitle() {
    m_controls.tvTitle->setChecked(!m_controls.tvTitle->isChecked());
    if (m_controls.fadeTitles->isChecked())
        m_controls.tvTitle->setChecked(false);
}

// The editor's display lines change, and with them the line numbers, the line count and the
// lines play scrolls.
void FontCommands::toggleWordWrap() {
    m_controls.wordWrap->setChecked(!m_controls.wordWrap->isChecked());
    m_controls.editor->setWordWrap(m_controls.wordWrap->isChecked());
    m_caretMoved();
}

void FontCommands::toggleNoReturns() {
    m_controls.noReturns->setChecked(!m_controls.noReturns->isChecked());
    m_controls.editor->setWantReturns(!m_controls.noReturns->isChecked());
}

void FontCommands::toggleSyncRetrace() {
    m_controls.syncRetrace->setChecked(!m_controls.syncRetrace->isChecked());
}

void FontCommands::applyEditorCheckMarks() {
    QFont font = m_controls.editor->font();
    font.setBold(m_controls.bold->isChecked());
    m_controls.editor->setFont(font);
    m_controls.editor->setWordWrap(m_controls.wordWrap->isChecked());
    m_controls.editor->setWantReturns(!m_controls.noReturns->isChecked());
}

void FontCommands::toggleCenterText() {
    m_controls.centerButton->setChecked(!m_controls.centerButton->isChecked());
    applyCenteringState();
}

void FontCommands::centerButtonClicked() {
    applyCenteringState();
}

void FontCommands::applyCenteringState() {
    const bool down = m_controls.centerButton->isChecked();
    m_controls.centerText->setChecked(down);
    m_controls.editor->setCentered(down);
    m_settings.centering = down;
}
