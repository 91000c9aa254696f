#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>

// An HTTP/1.1 request as the remote control's server reads it: a request line, header
// fields and a body of Content-Length bytes, all of it within kMaxRequestBytes. Nothing else
// is accepted: no chunked body, no folded header line, no line that does not end in CR LF.
struct HttpRequest {
    static constexpr qsizetype kMaxRequestBytes = 16 * 1024;
    static constexpr int kMaxHeaderFields = 100;

    QByteArray method;
    QByteArray path;  // the target before any "?"
    QByteArray query; // after the "?", without it
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    bool http10 = false;

    // The first field of that name (names match without regard to case), or empty.
    QByteArray header(QByteArrayView name) const;
    // The value of a query parameter, percent-decoded; empty when it is missing.
    QByteArray queryItem(QByteArrayView name) const;
    // A WebSocket opening handshake (GET with "Upgrade: websocket").
    bool wantsWebSocket() const;
    // Whether the connection stays open after the answer.
    bool keepAlive() const;
};

struct HttpParse {
    enum class Status {
        NeedMore,    // the request is not complete yet
        Complete,    // request holds it; consumed bytes of the data were its own
        TooLarge,    // more than kMaxRequestBytes
        Malformed,   // not a request this server reads
        Unsupported, // a body sent in chunks
    };
    Status status = Status::NeedMore;
    HttpRequest request;
    qsizetype consumed = 0;
};

// Reads the request at the start of data (what has arrived of a connection so far).
HttpParse parseHttpRequest(QByteArrayView data);
