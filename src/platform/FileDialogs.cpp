#include "platform/FileDialogs.h"

#include "platform/Colors.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QQueue>

namespace platform {
namespace {
bool g_scripted = false;
QQueue<std::optional<QString>> g_answers;
QList<FileDialogRequest> g_requests;

bool g_colorScripted = false;
QQueue<std::optional<int>> g_colorAnswers;
QList<int> g_colorRequests;
} // namespace

QString FileDialogs::qtFilter(const QString &filter) {
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    if (out.isEmpty())
        return filter;
    return out.join(QStringLiteral(";;"));
}

QString FileDialogs::withDefaultExtension(const QString &path, const QString &defaultExt) {
    if (path.isEmpty() || defaultExt.isEmpty())
        return path;
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + defaultExt.toLower();
}

std::optional<QString> FileDialogs::run(const FileDialogRequest &request) {
    if (g_scripted) {
        g_requests.append(request);
        return g_answers.isEmpty() ? std::nullopt : g_answers.dequeue();
    }
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setNameFilter(qtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultExt.toLower());
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (request.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.folder.isEmpty())
        dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return withDefaultExtension(dialog.selectedFiles().first(), request.defaultExt);
}

void FileDialogs::scripted(const QList<std::optional<QString>> &answers) {
    g_scripted = true;
    g_answers.clear();
    for (const auto &a : answers)
        g_answers.enqueue(a);
}
void FileDialogs::queueAnswer(const std::optional<QString> &answer) {
    g_answers.enqueue(answer);
}
void FileDialogs::unscripted() {
    g_scripted = false;
    g_answers.clear();
}
const QList<FileDialogRequest> &FileDialogs::requests() {
    return g_requests;
}
void FileDialogs::clearRequests() {
    g_requests.clear();
}

std::optional<int> ColorDialogs::choose(int initial) {
    if (g_colorScripted) {
        g_colorRequests.append(initial);
        return g_colorAnswers.isEmpty() ? std::nullopt : g_colorAnswers.dequeue();
    }
    const QColor chosen = QColorDialog::getColor(toQColor(initial), QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}
void ColorDialogs::scripted(const QList<std::optional<int>> &answers) {
    g_colorScripted = true;
    g_colorAnswers.clear();
    for (const auto &a : answers)
        g_colorAnswers.enqueue(a);
}
void ColorDialogs::unscripted() {
    g_colorScripted = false;
    g_colorAnswers.clear();
}
const QList<int> &ColorDialogs::requests() {
    return g_colorRequests;
}

} // namespace platform
