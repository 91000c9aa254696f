#pragma once

#include <QObject>

class QWidget;
class SystemInfoDialog;
struct Settings;

// "Under my Hood ...", the About box and Help.
class SystemInfoCommands : public QObject {
    Q_OBJECT
public:
    // owner: the window the About box and the help window belong to.
    SystemInfoCommands(QWidget *owner, const Settings &settings, QObject *parent = nullptr);
    // The system information dialog is created after the main window.
    void setDialog(SystemInfoDialog *dialog) { m_dialog = dialog; }

    void showSystemInfo();
    void showAbout();
    // An installed help file of the name start-up gives is shown in place of the built-in
    // help: in the configuration folder, beside the program, or in a data folder's
    // "lectoscope".
    void showHelp();

private:
    QWidget *m_owner;
    const Settings &m_settings;
    SystemInfoDialog *m_dialog = nullptr;
};
