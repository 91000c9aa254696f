#pragma once

#include <QObject>
#include <QPalette>

#include <functional>

class FontChooser;
class QAction;
class QLabel;
class QSlider;
class QToolButton;
class QWidget;
class ScriptEditor;
struct Settings;

// The Font menu and its tool buttons: the font chooser, the play's text and background
// colours, the font styles, centring, and the check marks that change the editor or what
// play does (Start from Cursor, TV Title, Word Wrap, No Returns, and Sync W/Retrace).
class FontCommands : public QObject {
    Q_OBJECT
public:
    // The controls the commands read and change.
    struct Controls {
        ScriptEditor *editor = nullptr;
        QWidget *window = nullptr; // the chooser is as high as the window, less 100
        QSlider *fontSizeBar = nullptr;
        QLabel *fontFaceLabel = nullptr, *fontSizeLabel = nullptr;
        QAction *bold = nullptr, *underline = nullptr, *italic = nullptr, *centerText = nullptr,
                *startFromCursor = nullptr, *tvTitle = nullptr, *fadeTitles = nullptr,
                *wordWrap = nullptr, *noReturns = nullptr, *syncRetrace = nullptr;
        QToolButton *centerButton = nullptr, *chromaCheckButton = nullptr;
    };
    // caretMoved runs when the editor's display lines change.
    FontCommands(const Controls &controls, Settings &settings, std::function<void()> caretMoved,
                 QObject *parent = nullptr);
    // The chooser is created after the main window.
    void setFontChooser(FontChooser *chooser) { m_chooser = chooser; }

    // The chooser stands beside the editor; the editor follows every choice at once, and
    // Cancel hands back the face and size it had.
    void chooseFont();
    void chooseTextColor();
    void chooseBackgroundColor();
    void toggleBold();
    void toggleUnderline();
    void toggleItalic();
    void toggleCenterText();
    void centerButtonClicked();
    void toggleStartFromCursor();
    void toggleTvTitle();
    void toggleWordWrap();
    void toggleNoReturns();
    void toggleSyncRetrace();
    // The editor takes the check marks "Bold", "Word Wrap" and "No Returns (CR)".
    void applyEditorCheckMarks();
    // The editor's text or background in a colour value.
    void setEditorColor(QPalette::ColorRole role, int colorValue);

signals:
    // A play colour was chosen (the colour value as it now stands).
    void textColorChosen(int color);
    void backgroundColorChosen(int color);

private:
    void applyEditorFace(const QString &face);
    void applyEditorSize(int points);
    void applyCenteringState();

    Controls m_controls;
    Settings &m_settings;
    std::function<void()> m_caretMoved;
    FontChooser *m_chooser = nullptr;
};
