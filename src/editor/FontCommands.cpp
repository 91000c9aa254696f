// The Font menu and its tool buttons: the font chooser, the text and background colours, the
// font styles, and the check marks that change the editor or what play does.
#include "app/Mainform.h"

#include "app/Forms.h"
#include "dialogs/FontChooser.h"
#include "editor/ScriptEditor.h"
#include "platform/Colors.h"
#include "platform/FileDialogs.h"
#include "platform/TrackBar.h"
#include "play/BlackScroll.h"

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

void TForm1::applyEditorFace(const QString &face) {
    QFont font = Memo1->font();
    font.setFamily(face);
    Memo1->setFont(font);
    Label10->setText(Memo1->font().family());
}

void TForm1::applyEditorSize(int points) {
    setEditorFontSize(points);
    platform::setTrackBarPosition(TrackBar1, points);
    Label6->setText(QString::number(points));
}

// The chooser stands beside the editor; the editor follows every choice at once, and Cancel
// hands back the face and size it had.
void TForm1::TypeansSize1Click() {
    if (!fontChooser)
        return;
    FontChooserInput input;
    input.font = Memo1->font();
    input.text = Memo1->palette().color(QPalette::Text);
    input.background = Memo1->palette().color(QPalette::Base);
    input.topLeft = QPoint(Memo1->x() + Memo1->width() + 20, Memo1->y());
    input.height = height() - 100;
    const auto face =
        connect(fontChooser, &FontChooser::faceChosen, this, &TForm1::applyEditorFace);
    const auto size =
        connect(fontChooser, &FontChooser::sizeChosen, this, &TForm1::applyEditorSize);
    const FontChoice kept = fontChooser->execute(input);
    disconnect(face);
    disconnect(size);
    applyEditorFace(kept.face);
    applyEditorSize(kept.size);
}

// ---- Colours -----------------------------------------------------------------------------

void TForm1::setEditorColor(QPalette::ColorRole role, int colorValue) {
    QPalette pal = Memo1->palette();
    pal.setColor(role, platform::toQColor(colorValue));
    Memo1->setPalette(pal);
}

// The play text colour; with the chroma check down the editor shows it at once.
void TForm1::Color3Click() {
    if (const std::optional<int> chosen = platform::ColorDialogs::choose(DisPlaColor))
        DisPlaColor = *chosen;
    if (Form4)
        Form4->setFontColor(DisPlaColor);
    if (Chromacheck->isChecked())
        setEditorColor(QPalette::Text, DisPlaColor);
}

// The play background; fading titles are offered only on black, and with the chroma check
// down the editor shows the colour at once.
void TForm1::BackgroundColor1Click() {
    if (const std::optional<int> chosen = platform::ColorDialogs::choose(FormColor))
        FormColor = *chosen;
    if (Form4)
        Form4->setColor(FormColor);
    backgroundcolorisBlack();
    if (Chromacheck->isChecked())
        setEditorColor(QPalette::Base, FormColor);
}

// ---- Styles and check marks ----------------------------------------------------------------

void TForm1::Bold2Click() {
    toggleStyle(Bold2, Memo1, &QFont::setBold);
}

void TForm1::Underline1Click() {
    toggleStyle(Underline1, Memo1, &QFont::setUnderline);
}

void TForm1::Italic1Click() {
    toggleStyle(Italic1, Memo1, &QFont::setItalic);
}

void TForm1::StartfromCursor1Click() {
    StartfromCursor1->setChecked(!StartfromCursor1->isChecked());
}

// Fading titles draw their own title lines: TV Title stays off while they are on.
void TForm1::TVTitle1Click() {
    TVTitle1->setChecked(!TVTitle1->isChecked());
    if (FadeTitles1->isChecked())
        TVTitle1->setChecked(false);
}

// The editor's display lines change, and with them the line numbers, the line count and the
// lines play scrolls.
void TForm1::WordWrap1Click() {
    WordWrap1->setChecked(!WordWrap1->isChecked());
    Memo1->setWordWrap(WordWrap1->isChecked());
    GetCurrentLineNumber();
}

void TForm1::WantreturnClick() {
    Wantreturn->setChecked(!Wantreturn->isChecked());
    Memo1->setWantReturns(!Wantreturn->isChecked());
}

void TForm1::SyncWRetrace1Click() {
    SyncWRetrace1->setChecked(!SyncWRetrace1->isChecked());
}

void TForm1::applyEditorCheckMarks() {
    QFont font = Memo1->font();
    font.setBold(Bold2->isChecked());
    Memo1->setFont(font);
    Memo1->setWordWrap(WordWrap1->isChecked());
    Memo1->setWantReturns(!Wantreturn->isChecked());
}
