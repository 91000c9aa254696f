#include "sysinfo/MenuShortcutFilter.h"

#include <QAction>
#include <QKeyEvent>

MenuShortcutFilter::MenuShortcutFilter(QAction *item, QObject *parent)
    : QObject(parent), m_item(item) {}

bool MenuShortcutFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ShortcutOverride && m_item->isEnabled()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (QKeySequence(key->keyCombination()) == m_item->shortcut()) {
            // Not taken by the control: the short-cut goes to the menu item.
            event->ignore();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
