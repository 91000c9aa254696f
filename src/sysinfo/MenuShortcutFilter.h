#pragma once

#include <QObject>

class QAction;
class QWidget;

// Gives a menu item's short-cut to the item while its own window is active, even when the
// focused control takes the same key for itself (Ctrl+A opens the About box from the script
// editor, which would otherwise select all of its text), and to the focused control in every
// other window: there Ctrl+A selects a field's text and never opens the About box.
// Installed on the application, it sees the short-cut checks of every window.
class MenuShortcutFilter : public QObject {
    Q_OBJECT
public:
    MenuShortcutFilter(QAction *item, QWidget *owner, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *m_item;
    QWidget *m_owner;
};
