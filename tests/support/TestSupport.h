#pragma once

#include <QMetaType>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class QAction;
class QDialog;
class QPushButton;
#include <memory>
#include <sys/resource.h>

class MainWindow;
class QObject;

namespace platform {
struct FileDialogRequest;
}

namespace testsupport {

// Everything a test of the windows needs around it: a private configuration folder
// (XDG_CONFIG_HOME), scripted message boxes and file dialogs, a short second, the real
// 1024 x 768 test screen, and no real program exit.
class Sandbox {
public:
    explicit Sandbox(int secondMs = 5);
    ~Sandbox();
    Sandbox(const Sandbox &) = delete;
    Sandbox &operator=(const Sandbox &) = delete;

    QString configDir() const; // the per-user configuration folder ("Windows directory")
    QString path(const QString &name) const; // a file in a scratch folder
    QString writeFile(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_home;
    QByteArray m_oldConfigHome;
};

// A main window in its designed state inside a fresh Sandbox; a test class derives from it
// and calls openForm() from init() and closeForm() from cleanup().
class MainWindowFixture {
protected:
    void openForm();
    void closeForm();
    void renewForm(); // a fresh window in the same sandbox

    // A setting of the window by name: a field's or control's value ("Startime" as HH:mm:ss,
    // "FontName" the editor's face, "toolBar" hidden or shown), else a check mark as 1 or 0.
    QString setting(const QString &name) const;
    // Compares each "name=value" with the window's setting.
    void expectSettings(const QStringList &expected) const;

    std::unique_ptr<Sandbox> sandbox;
    MainWindow *f = nullptr;
};

// Creates all windows as the program does; false when start-up asked to end.
bool createWindows(const QStringList &arguments = {});
void destroyWindows();

// The file's bytes, or "<unreadable>".
QByteArray readFile(const QString &path);
// Writes the bytes whole; false when any of them did not reach the file.
bool writeBytes(const QString &path, const QByteArray &bytes);

// The texts of the scripted message boxes shown so far, in order.
QStringList shownTexts();
// Opens a modal dialog through its menu item; while it is open, runs the checks (a failed one
// leaves them early) and leaves it the way the operator chose: "ok", "cancel", "esc" or
// "close" (the close box). The dialog must be closed afterwards.
void runDialog(QAction *item, QDialog *dialog, QPushButton *ok, QPushButton *cancel,
               const QString &how, const std::function<void()> &checks);

// A file dialog request in one line: "Open: title | filter | ext".
QString dialogText(const platform::FileDialogRequest &request);

// The check state of the menu item, check box or tool button of that name under root, and a
// click (or trigger) on it. A missing control ends the test run.
bool isChecked(const QObject *root, const QString &name);
void toggle(const QObject *root, const QString &name);

// Makes every write that would grow a file past `bytes` fail with EFBIG, as a full disk
// would, for the lifetime of the object. Root is not exempt, unlike permission bits.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

// The ways a save must be refused without harm: the parent is a plain file, the path is a
// folder, the folder is missing, or the disk fills up half way over an old file.
enum class Refusal { ParentIsFile, PathIsFolder, FolderMissing, DiskFull };

// Prepares a path ending in `name` inside `dir` that a save must refuse in that way; for
// DiskFull the path holds oldContent().
QString refusedPath(const QString &dir, Refusal how, const QString &name);
QByteArray oldContent();
// Runs save, for DiskFull under a file size limit of 256 bytes; returns what it returned.
bool attemptSave(Refusal how, const std::function<bool()> &save);
// Every name in the folder, hidden ones too: a refused save leaves none behind.
QStringList entriesIn(const QString &dir);

} // namespace testsupport

Q_DECLARE_METATYPE(testsupport::Refusal)
