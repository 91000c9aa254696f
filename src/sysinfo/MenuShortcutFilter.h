#pragma once

#include <QObject>

class QAction;

// Lets a menu item's short-cut reach the item while a control that takes the same key for
// itself has the focus: Ctrl+A opens the About box even from the script editor, which
// would otherwise select all of its text.
class MenuShortcutFilter : public QObject {
    Q_OBJECT
public:
    MenuShortcutFilter(QAction *item, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *m_item;
};
