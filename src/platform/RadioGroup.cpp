#include "platform/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QString &title, const QStringList &items, QWidget *parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this)) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items[i], this);
        b->setObjectName(QStringLiteral("%1_item%2").arg(objectName()).arg(i));
        m_group->addButton(b, i);
        layout->addWidget(b);
    }
    // Exclusive groups cannot show "none selected"; the group keeps that state itself.
    m_group->setExclusive(false);
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) { setItemIndex(id); });
}

int RadioGroup::count() const {
    return m_group->buttons().size();
}

QRadioButton *RadioGroup::button(int index) const {
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

void RadioGroup::setItemIndex(int index) {
    if (index < -1 || index >= count())
        index = -1;
    for (QAbstractButton *b : m_group->buttons())
        b->setChecked(m_group->id(b) == index);
    if (index == m_index)
        return;
    m_index = index;
    emit clicked();
}
