#include "sysinfo/MenuShortcutFilter.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

MenuShortcutFilter::MenuShortcutFilter(QAction *item, QWidget *owner, QObject *parent)
    : QObject(parent), m_item(item), m_owner(owner) {}

bool MenuShortcutFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (QKeySequence(key->keyCombination()) == m_item->shortcut()) {
            const auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->window() == m_owner) {
                if (!m_item->isEnabled())
                    return false;
                // Not taken by the control: the short-cut goes to the menu item.
                event->ignore();
            } else {
                // Another window: the key goes to its focused control, never to the item.
                event->accept();
            }
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
