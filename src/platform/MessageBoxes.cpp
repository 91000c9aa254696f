#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QQueue>

namespace platform {
namespace {
bool g_scripted = false;
QQueue<Answer> g_answers;
QList<ShownMessage> g_shown;

Answer defaultAnswer(MessageKind kind) {
    return (kind == MessageKind::Information || kind == MessageKind::Error) ? Answer::Ok
                                                                            : Answer::No;
}

Answer fromButton(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::Ok;
    }
}
} // namespace

Answer MessageBoxes::information(const QString &text) {
    return show(MessageKind::Information, text);
}
Answer MessageBoxes::error(const QString &text) {
    return show(MessageKind::Error, text);
}
Answer MessageBoxes::confirm(const QString &text) {
    return show(MessageKind::Confirm, text);
}
Answer MessageBoxes::confirmCancel(const QString &text) {
    return show(MessageKind::ConfirmCancel, text);
}

QString MessageBoxes::displayText(const QString &text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(u'\r', u'\n');
    return shown;
}

Answer MessageBoxes::show(MessageKind kind, const QString &text) {
    if (g_scripted) {
        const ShownMessage message{kind, text};
        g_shown.append(message);
        return g_answers.isEmpty() ? defaultAnswer(kind) : g_answers.dequeue();
    }
    const QString title = QApplication::applicationName();
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(text));
    switch (kind) {
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageKind::Confirm:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MessageKind::ConfirmCancel:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    return fromButton(box.exec());
}

void MessageBoxes::scripted(const QList<Answer> &answers) {
    g_scripted = true;
    g_answers.clear();
    for (Answer a : answers)
        g_answers.enqueue(a);
}
void MessageBoxes::queueAnswer(Answer a) {
    g_answers.enqueue(a);
}
void MessageBoxes::unscripted() {
    g_scripted = false;
    g_answers.clear();
}
bool MessageBoxes::isScripted() {
    return g_scripted;
}
const QList<ShownMessage> &MessageBoxes::shown() {
    return g_shown;
}
void MessageBoxes::clearShown() {
    g_shown.clear();
}

} // namespace platform
