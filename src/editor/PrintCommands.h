#pragma once

#include <QObject>

class QWidget;
class ScriptEditor;
struct Settings;

// The File menu's Print and Print Setup: the script's display lines as plain text pages.
class PrintCommands : public QObject {
    Q_OBJECT
public:
    // owner: the window Print Setup stands over.
    PrintCommands(ScriptEditor *editor, QWidget *owner, const Settings &settings,
                  QObject *parent = nullptr);

    void print();
    void printSetup();

private:
    ScriptEditor *m_editor;
    QWidget *m_owner;
    const Settings &m_settings;
};
