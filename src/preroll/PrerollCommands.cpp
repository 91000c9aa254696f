#include "preroll/PrerollCommands.h"

#include "platform/Colors.h"
#include "settings/Settings.h"

#include <QAction>
#include <QToolButton>

PrerollCommands::PrerollCommands(const Controls &controls, const Settings &settings,
                                 std::function<void(QPalette::ColorRole, int)> setEditorColor,
                                 QObject *parent)
    : QObject(parent), m_controls(controls), m_settings(settings),
      m_setEditorColor(std::move(setEditorColor)) {}

void PrerollCommands::toggleColorBars() {
    m_controls.colorBarsAction->setChecked(!m_controls.colorBarsAction->isChecked());
    m_controls.colorBarsButton->setChecked(m_controls.colorBarsAction->isChecked());
}

void PrerollCommands::toggleCountDown() {
    if (m_controls.countDownAction->isChecked()) {
        m_controls.countDownButton->setChecked(false);
        m_controls.countDownAction->setChecked(false);
    } else {
        m_controls.countDownAction->setChecked(true);
        m_controls.countDownButton->setChecked(true);
    }
}

void PrerollCommands::toggleTenSecondBackground() {
    m_controls.tenSecondBackgroundAction->setChecked(
        !m_controls.tenSecondBackgroundAction->isChecked());
}

void PrerollCommands::chromaCheckClicked() {
    const bool down = m_controls.chromaCheckButton->isChecked();
    m_setEditorColor(QPalette::Text, down ? m_settings.textColor : platform::rgbValue(0, 0, 0));
    m_setEditorColor(QPalette::Base,
                     down ? m_settings.backgroundColor : platform::rgbValue(255, 255, 255));
}
