#pragma once

#include <QObject>

#include <functional>

class ScriptFileCommands;
struct Settings;
namespace app {
struct ConfigurationRead;
} // namespace app

// The configuration file: reading it into the window and writing the window's settings,
// the File menu's three configuration commands, and the default file's last script.
class ConfigurationCommands : public QObject {
    Q_OBJECT
public:
    // collect gives the values to write as they stand now; show stores loaded values in the
    // reading order and applies them (it throws the conversion error of an invalid start
    // time). The configuration commands borrow the script files' open and save dialogs.
    ConfigurationCommands(Settings &settings, ScriptFileCommands &scriptFiles,
                          std::function<Settings()> collect,
                          std::function<void(const app::ConfigurationRead &)> show,
                          QObject *parent = nullptr);

    // Reads the file of that name (the default file's name, or a path) into the window.
    void readConfigurationFile(const QString &name);
    // Writes every key; false, after saying so, when the file could not be written.
    bool writeConfigurationFile(const QString &name);
    void saveDefaultConfiguration();
    void loadConfiguration();
    void saveConfigurationAs();
    // The default configuration names the script as the last file.
    void rememberScript(const QString &path);
    // The default configuration keeps the remote control's settings.
    void rememberRemoteSettings();

private:
    QString folder() const;

    Settings &m_settings;
    ScriptFileCommands &m_scriptFiles;
    std::function<Settings()> m_collect;
    std::function<void(const app::ConfigurationRead &)> m_show;
};
