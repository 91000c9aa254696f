#include "preroll/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

UpDown::UpDown(int minimum, int maximum, int increment, QWidget *parent)
    : QWidget(parent), m_min(minimum), m_max(maximum), m_increment(increment), m_position(minimum) {
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *up = new QToolButton(this);
    up->setObjectName(QStringLiteral("up"));
    up->setArrowType(Qt::UpArrow);
    up->setAutoRepeat(true);
    auto *down = new QToolButton(this);
    down->setObjectName(QStringLiteral("down"));
    down->setArrowType(Qt::DownArrow);
    down->setAutoRepeat(true);
    for (QToolButton *b : {up, down}) {
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(b);
    }
    connect(up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setPosition(int position) {
    m_position = qBound(m_min, position, m_max);
}

void UpDown::stepUp() {
    setPosition(m_position + m_increment);
    emit clicked(m_position);
}

void UpDown::stepDown() {
    setPosition(m_position - m_increment);
    emit clicked(m_position);
}
