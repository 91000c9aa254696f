#include "dialogs/FontFaceDelegate.h"

#include <QFontMetrics>
#include <QPainter>

FontFaceDelegate::FontFaceDelegate(QObject *parent) : QStyledItemDelegate(parent) {}

void FontFaceDelegate::reset(int count) {
    m_heights.assign(std::max(count, 0), 0);
    m_loaded = 0;
}

QFont FontFaceDelegate::faceFont(const QString &face, const QFont &listFont) {
    QFont font(listFont);
    font.setFamilies({face});
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

int FontFaceDelegate::measure(const QStyleOptionViewItem &option, const QModelIndex &index) const {
    const int row = index.row();
    if (row < 0)
        return option.fontMetrics.height() + 2;
    if (row >= int(m_heights.size()))
        m_heights.resize(row + 1, 0);
    if (m_heights[row] == 0) {
        const QFont font = faceFont(index.data().toString(), option.font);
        m_heights[row] = QFontMetrics(font).height() + 2;
        ++m_loaded;
    }
    return m_heights[row];
}

QSize FontFaceDelegate::sizeHint(const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const {
    const int row = index.row();
    const bool measured = row >= 0 && row < int(m_heights.size()) && m_heights[row] > 0;
    const int height = measured ? m_heights[row] : option.fontMetrics.height() + 2;
    return QSize(option.rect.width() > 0 ? option.rect.width() : 100, height);
}

void FontFaceDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const {
    const int height = measure(option, index);
    if (height != option.rect.height() && !m_relayoutQueued) {
        // The item was laid out before its face was known; the list lays out again once this
        // paint is over.
        m_relayoutQueued = true;
        auto *self = const_cast<FontFaceDelegate *>(this);
        QMetaObject::invokeMethod(
            self,
            [self, index = QPersistentModelIndex(index)] {
                self->m_relayoutQueued = false;
                emit self->sizeHintChanged(index);
            },
            Qt::QueuedConnection);
    }
    const bool selected = option.state & QStyle::State_Selected;
    const QPalette &pal = option.palette;
    painter->save();
    painter->fillRect(option.rect, selected ? pal.highlight() : pal.base());
    painter->setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    const QString face = index.data().toString();
    painter->setFont(faceFont(face, option.font));
    painter->drawText(option.rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop, face);
    painter->restore();
}
