#pragma once

#include <QString>

#include <stdexcept>

// A conversion error of the kind the runtime raised ("'%s' is not a valid time"): it aborts
// the handler that ran into it and is shown in an error box by the application.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString &message() const { return m_message; }

    static ConversionError invalidTime(const QString &text) {
        return ConversionError(QStringLiteral("'%1' is not a valid time").arg(text));
    }
    static ConversionError invalidInteger(const QString &text) {
        return ConversionError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    }

private:
    QString m_message;
};
