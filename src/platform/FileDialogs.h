#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace platform {

// What a file dialog is asked to show. The filter is written as the program keeps it:
// a description and a pattern separated by a vertical bar ("Text Type Files Only|*.txt").
struct FileDialogRequest {
    bool save = false;
    QString title;
    QString filter;
    QString defaultExt; // without the dot, "TXT"
    QString fileName;   // preselected name or path
    QString folder;     // where the dialog starts when fileName names no folder
};

// Open and save dialogs. A chosen name without an extension gets the default extension.
// Tests call scripted(): no dialog is shown, each request is recorded and answered from
// the queue (an empty optional is Cancel; an empty queue answers Cancel).
class FileDialogs {
public:
    static std::optional<QString> run(const FileDialogRequest &request);

    // Qt's form of a "Description|*.ext" filter: "Description (*.ext)".
    static QString qtFilter(const QString &filter);
    // The chosen path with the default extension added when it has none.
    static QString withDefaultExtension(const QString &path, const QString &defaultExt);

    static void scripted(const QList<std::optional<QString>> &answers = {});
    static void queueAnswer(const std::optional<QString> &answer);
    static void unscripted();
    static const QList<FileDialogRequest> &requests();
    static void clearRequests();
};

// The colour dialog: returns the chosen colour value (0x00BBGGRR) or nothing on Cancel.
class ColorDialogs {
public:
    static std::optional<int> choose(int initial);
    static void scripted(const QList<std::optional<int>> &answers = {});
    static void unscripted();
    static const QList<int> &requests();
};

} // namespace platform
