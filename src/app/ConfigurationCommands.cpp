#include "app/ConfigurationCommands.h"

#include "app/Configuration.h"
#include "editor/ScriptFileCommands.h"
#include "platform/FileDialogs.h"
#include "platform/IniFile.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "settings/Settings.h"

namespace {
const QString kConfigExt = QStringLiteral("INI");
const QString kConfigFilter = QStringLiteral("ZAL Config Ini|*.INI");

// A script dialog borrowed for a configuration: its extension, filter and title are the
// configuration's until they are given back. Returns the script dialog as it was.
platform::FileDialogRequest borrow(platform::FileDialogRequest &dialog, const QString &title) {
    const platform::FileDialogRequest scripts = dialog;
    dialog.defaultExt = kConfigExt;
    dialog.filter = kConfigFilter;
    dialog.title = title;
    return scripts;
}

void giveBack(platform::FileDialogRequest &dialog, const platform::FileDialogRequest &scripts) {
    dialog.defaultExt = scripts.defaultExt;
    dialog.filter = scripts.filter;
    dialog.title = scripts.title;
}
} // namespace

ConfigurationCommands::ConfigurationCommands(
    Settings &settings, ScriptFileCommands &scriptFiles, std::function<Settings()> collect,
    std::function<void(const app::ConfigurationRead &)> show, QObject *parent)
    : QObject(parent), m_settings(settings), m_scriptFiles(scriptFiles),
      m_collect(std::move(collect)), m_show(std::move(show)) {}

// The folder of the default file, or the folder it is set from when the creation steps have
// not run yet.
QString ConfigurationCommands::folder() const {
    return m_settings.configFolder.isEmpty() ? platform::windowsDirectory()
                                             : m_settings.configFolder;
}

void ConfigurationCommands::readConfigurationFile(const QString &name) {
    // A missing or unreadable file reads as empty: every key takes its default.
    const platform::IniFile ini =
        platform::IniFile::load(platform::resolveConfigPath(name, folder()));
    const app::ConfigurationRead read = app::readConfiguration(
        ini, [](const QString &name) { return platform::Screen::outputFor(name).geometry.size(); });
    m_show(read);
}

bool ConfigurationCommands::writeConfigurationFile(const QString &name) {
    const QString path = platform::resolveConfigPath(name, folder());
    platform::IniFile ini = platform::IniFile::load(path);
    app::writeConfiguration(ini, m_collect());
    // The file is replaced whole or not at all: a refused write leaves it as it was.
    if (!app::saveConfigurationFile(ini, path)) {
        platform::MessageBoxes::error(app::unableToWrite(path));
        return false;
    }
    return true;
}

void ConfigurationCommands::saveDefaultConfiguration() {
    writeConfigurationFile(QString::fromLatin1(platform::kDefaultConfigName));
}

void ConfigurationCommands::saveConfigurationAs() {
    platform::FileDialogRequest &dialog = m_scriptFiles.saveRequest();
    const platform::FileDialogRequest scripts =
        borrow(dialog, QStringLiteral("Save Configuration AS"));
    dialog.fileName = m_settings.lastConfigurationFile;
    if (const std::optional<QString> chosen = platform::FileDialogs::run(dialog))
        writeConfigurationFile(*chosen);
    giveBack(dialog, scripts);
    // The current save name is gone: Save does nothing until Open or Save As names a file.
    dialog.fileName.clear();
}

void ConfigurationCommands::loadConfiguration() {
    platform::FileDialogRequest &dialog = m_scriptFiles.openRequest();
    const platform::FileDialogRequest scripts =
        borrow(dialog, QStringLiteral("Open A ZAL Configuration File"));
    if (const std::optional<QString> chosen = platform::FileDialogs::run(dialog)) {
        dialog.fileName = *chosen;
        m_settings.lastConfigurationFile = *chosen;
        // An invalid time ends the command here; the dialog then keeps the configuration's
        // extension, filter and title.
        readConfigurationFile(*chosen);
    }
    giveBack(dialog, scripts);
}

void ConfigurationCommands::rememberRemoteSettings() {
    const QString ini =
        platform::resolveConfigPath(QString::fromLatin1(platform::kDefaultConfigName), folder());
    if (!app::rememberRemoteSettings(ini, m_settings))
        platform::MessageBoxes::error(app::unableToWrite(ini));
}

void ConfigurationCommands::rememberScript(const QString &path) {
    const QString ini =
        platform::resolveConfigPath(QString::fromLatin1(platform::kDefaultConfigName), folder());
    if (!app::rememberLastFile(ini, path))
        platform::MessageBoxes::error(app::unableToWrite(ini));
}
