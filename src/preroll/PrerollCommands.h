#pragma once

#include <QObject>
#include <QPalette>

#include <functional>

class QAction;
class QToolButton;
struct Settings;

// The pre-roll options: colour bars and count-down (each a menu item with its tool button),
// the ten-second background, and the chroma check that shows the play colours in the editor.
class PrerollCommands : public QObject {
    Q_OBJECT
public:
    struct Controls {
        QAction *colorBarsAction = nullptr, *countDownAction = nullptr,
                *tenSecondBackgroundAction = nullptr;
        QToolButton *colorBarsButton = nullptr, *countDownButton = nullptr,
                    *chromaCheckButton = nullptr;
    };
    // setEditorColor gives the editor's text or background a colour value.
    PrerollCommands(const Controls &controls, const Settings &settings,
                    std::function<void(QPalette::ColorRole, int)> setEditorColor,
                    QObject *parent = nullptr);

    void toggleColorBars();
    void toggleCountDown();
    void toggleTenSecondBackground();
    // Down, the editor shows the play colours; up, black text on white.
    void chromaCheckClicked();

private:
    Controls m_controls;
    const Settings &m_settings;
    std::function<void(QPalette::ColorRole, int)> m_setEditorColor;
};
