#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QTextDocument>

// The whole text of a plain-text document as one string, paragraphs separated by U+2029 as
// QTextDocument::toRawText() gives it, kept in step with every edit. A search over a 5 MB
// script then reads one string instead of asking the document for each of its paragraphs,
// and an edit changes only the characters it touched. Document positions and indexes into
// the string are the same.
class DocumentText {
public:
    explicit DocumentText(QTextDocument *document = nullptr);
    ~DocumentText();
    DocumentText(const DocumentText &) = delete;
    DocumentText &operator=(const DocumentText &) = delete;

    // Follows this document from now on (nullptr: none).
    void setDocument(QTextDocument *document);
    QTextDocument *document() const { return m_doc; }

    // The document's text now; taken whole only after a change too large to follow.
    const QString &text() const;

    // How many times the whole text has been taken from the document.
    int fullReads() const { return m_fullReads; }

private:
    void contentsChanged(int position, int charsRemoved, int charsAdded);

    QPointer<QTextDocument> m_doc;
    QMetaObject::Connection m_connection;
    mutable QString m_text;
    mutable bool m_valid = false;
    mutable int m_fullReads = 0;
};
