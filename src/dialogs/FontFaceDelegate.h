#pragma once

#include <QStyledItemDelegate>

#include <vector>

// Draws each item of the font chooser's list, a face name, in its own face: as high as "Wg"
// in that face plus 2 pixels, on the list's colours. A face is loaded only when its item is
// first drawn; until then the item counts as high as the list's own font, so a list of
// hundreds of faces opens without loading the faces it does not show.
class FontFaceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit FontFaceDelegate(QObject *parent = nullptr);

    // The list was filled afresh with this many faces: nothing of them is measured.
    void reset(int count);
    // How many faces have been loaded to measure and draw their items since the last reset.
    int facesLoaded() const { return m_loaded; }
    // The font an item is drawn in: the face at the list font's size.
    static QFont faceFont(const QString &face, const QFont &listFont);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    int measure(const QStyleOptionViewItem &option, const QModelIndex &index) const;

    mutable std::vector<int> m_heights; // 0: not measured yet
    mutable int m_loaded = 0;
    mutable bool m_relayoutQueued = false;
};
