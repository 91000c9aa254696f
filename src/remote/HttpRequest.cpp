#include "remote/HttpRequest.h"

namespace {

using Status = HttpParse::Status;

// The first n bytes, or all of them when there are fewer.
QByteArrayView leftOf(QByteArrayView text, qsizetype n) {
    return text.first(qBound<qsizetype>(0, n, text.size()));
}

bool isTokenChar(char c) {
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return true;
    for (const char *s = "!#$%&'*+-.^_`|~"; *s; ++s) {
        if (c == *s)
            return true;
    }
    return false;
}

bool isToken(QByteArrayView text) {
    if (text.isEmpty())
        return false;
    for (const char c : text) {
        if (!isTokenChar(c))
            return false;
    }
    return true;
}

// Visible characters and blanks, as a field value or a target may hold.
bool isFieldText(QByteArrayView text) {
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7f)
            return false;
    }
    return true;
}

bool equalsNoCase(QByteArrayView a, QByteArrayView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A comma-separated field value that lists `item` (without regard to case).
bool listsItem(QByteArrayView value, QByteArrayView item) {
    for (const QByteArray &part : value.toByteArray().split(',')) {
        if (equalsNoCase(part.trimmed(), item))
            return true;
    }
    return false;
}

HttpParse failed(Status status) {
    HttpParse p;
    p.status = status;
    return p;
}

} // namespace

QByteArray HttpRequest::header(QByteArrayView name) const {
    for (const auto &field : headers) {
        if (equalsNoCase(field.first, name))
            return field.second;
    }
    return {};
}

QByteArray HttpRequest::queryItem(QByteArrayView name) const {
    for (const QByteArray &pair : query.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        const QByteArrayView key = leftOf(pair, eq < 0 ? pair.size() : eq);
        if (key == name)
            return eq < 0 ? QByteArray()
                          : QByteArray::fromPercentEncoding(pair.mid(eq + 1).replace('+', ' '));
    }
    return {};
}

bool HttpRequest::wantsWebSocket() const {
    return method == "GET" && equalsNoCase(header("upgrade"), "websocket") &&
           listsItem(header("connection"), "upgrade");
}

bool HttpRequest::keepAlive() const {
    const QByteArray connection = header("connection");
    if (listsItem(connection, "close"))
        return false;
    return !http10 || listsItem(connection, "keep-alive");
}

HttpParse parseHttpRequest(QByteArrayView data) {
    constexpr qsizetype limit = HttpRequest::kMaxRequestBytes;
    const qsizetype headEnd = leftOf(data, limit).indexOf("\r\n\r\n");
    if (headEnd < 0)
        return failed(data.size() >= limit ? Status::TooLarge : Status::NeedMore);

    HttpParse p;
    HttpRequest &r = p.request;
    const QByteArrayView head = leftOf(data, headEnd);
    qsizetype lineStart = 0;
    bool first = true;
    bool sawLength = false;
    qsizetype length = 0;
    while (lineStart <= head.size()) {
        qsizetype lineEnd = head.indexOf("\r\n", lineStart);
        if (lineEnd < 0)
            lineEnd = head.size();
        const QByteArrayView line = head.sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (line.contains('\r') || line.contains('\n'))
            return failed(Status::Malformed); // a bare CR or LF
        if (first) {
            // METHOD SP target SP HTTP/1.x
            first = false;
            const qsizetype sp1 = line.indexOf(' ');
            const qsizetype sp2 = sp1 < 0 ? -1 : line.indexOf(' ', sp1 + 1);
            if (sp1 <= 0 || sp2 < 0 || line.indexOf(' ', sp2 + 1) >= 0)
                return failed(Status::Malformed);
            const QByteArrayView method = leftOf(line, sp1);
            const QByteArrayView target = line.sliced(sp1 + 1, sp2 - sp1 - 1);
            const QByteArrayView version = line.sliced(sp2 + 1);
            if (!isToken(method) || !target.startsWith('/') || !isFieldText(target) ||
                target.contains('\t') || (version != "HTTP/1.1" && version != "HTTP/1.0"))
                return failed(Status::Malformed);
            r.method = method.toByteArray();
            r.http10 = version == "HTTP/1.0";
            const qsizetype question = target.indexOf('?');
            r.path = leftOf(target, question < 0 ? target.size() : question).toByteArray();
            if (question >= 0)
                r.query = target.sliced(question + 1).toByteArray();
            continue;
        }
        // name ":" value, the name a token right before the colon.
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(leftOf(line, colon)))
            return failed(Status::Malformed);
        const QByteArrayView value = line.sliced(colon + 1).trimmed();
        if (!isFieldText(value) || r.headers.size() >= HttpRequest::kMaxHeaderFields)
            return failed(Status::Malformed);
        const QByteArrayView name = leftOf(line, colon);
        r.headers.append({name.toByteArray(), value.toByteArray()});
        if (equalsNoCase(name, "transfer-encoding"))
            return failed(Status::Unsupported);
        if (equalsNoCase(name, "content-length")) {
            bool ok = !value.isEmpty() && value.size() <= 9;
            for (const char c : value)
                ok = ok && c >= '0' && c <= '9';
            if (!ok)
                return failed(Status::Malformed);
            const qsizetype n = value.toLongLong();
            if (sawLength && n != length)
                return failed(Status::Malformed);
            sawLength = true;
            length = n;
        }
    }
    const qsizetype bodyStart = headEnd + 4;
    if (bodyStart + length > limit)
        return failed(Status::TooLarge);
    if (data.size() < bodyStart + length)
        return failed(Status::NeedMore);
    r.body = data.sliced(bodyStart, length).toByteArray();
    p.consumed = bodyStart + length;
    p.status = Status::Complete;
    return p;
}
