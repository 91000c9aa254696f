#include "editor/DocumentText.h"

#include <QTextCursor>

namespace {
// Above this many characters a change is read with the whole text at the next question.
constexpr int kFollowLimit = 64 * 1024;
} // namespace

DocumentText::DocumentText(QTextDocument *document) {
    setDocument(document);
}

DocumentText::~DocumentText() {
    QObject::disconnect(m_connection);
}

void DocumentText::setDocument(QTextDocument *document) {
    QObject::disconnect(m_connection);
    m_doc = document;
    m_valid = false;
    m_text.clear();
    if (document) {
        // A document reports where it changed only once it has a layout.
        document->documentLayout();
        m_connection = QObject::connect(document, &QTextDocument::contentsChange, document,
                                        [this](int position, int removed, int added) {
                                            contentsChanged(position, removed, added);
                                        });
    }
}

const QString &DocumentText::text() const {
    if (!m_valid) {
        m_text = m_doc ? m_doc->toRawText() : QString();
        m_valid = true;
        ++m_fullReads;
    }
    return m_text;
}

void DocumentText::contentsChanged(int position, int charsRemoved, int charsAdded) {
    if (!m_valid || !m_doc)
        return;
    // The string leaves out the document's final paragraph separator.
    const int newLength = m_doc->characterCount() - 1;
    const bool followable =
        position >= 0 && charsAdded <= kFollowLimit && charsRemoved <= kFollowLimit &&
        position + charsRemoved <= m_text.size() && position + charsAdded <= newLength &&
        m_text.size() - charsRemoved + charsAdded == newLength;
    if (!followable) {
        m_valid = false;
        m_text.clear();
        return;
    }
    QString added;
    if (charsAdded > 0) {
        QTextCursor cursor(m_doc);
        cursor.setPosition(position);
        cursor.setPosition(position + charsAdded, QTextCursor::KeepAnchor);
        added = cursor.selectedText();
    }
    m_text.replace(position, charsRemoved, added);
}
