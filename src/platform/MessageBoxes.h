#pragma once

#include <QList>
#include <QString>

namespace platform {

enum class MessageKind { Information, Error, Confirm, ConfirmCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct ShownMessage {
    MessageKind kind;
    QString text;
};

// The program's message boxes: information (OK), error (OK), confirmation (Yes/No or
// Yes/No/Cancel). The title is the application title.
//
// Tests call scripted(): from then on no box is shown; every message is recorded and
// answered from the queue of answers (or with a neutral default: OK, No).
class MessageBoxes {
public:
    static Answer information(const QString &text);
    static Answer error(const QString &text);
    static Answer confirm(const QString &text);
    static Answer confirmCancel(const QString &text);
    // The text as the box shows it: every line break of the recorded text, a lone carriage
    // return too, starts a new line.
    static QString displayText(const QString &text);

    // Test seam.
    static void scripted(const QList<Answer> &answers = {});
    static void queueAnswer(Answer a);
    static void unscripted();
    static bool isScripted();
    static const QList<ShownMessage> &shown();
    static void clearShown();

private:
    static Answer show(MessageKind kind, const QString &text);
};

} // namespace platform
