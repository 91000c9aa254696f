#include "platform/StatusBar.h"

#include <QLabel>

StatusBar::StatusBar(QWidget *parent) : QStatusBar(parent) {
    setSizeGripEnabled(true);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    for (int i = 0; i < kPanels; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFont(f);
        label->setFixedWidth(kWidths[i]);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        addWidget(label);
        m_panels[i] = label;
    }
}

QString StatusBar::panelText(int index) const {
    return (index >= 0 && index < kPanels) ? m_panels[index]->text() : QString();
}

void StatusBar::setPanelText(int index, const QString &text) {
    if (index < 0 || index >= kPanels)
        return;
    // A panel keeps its designed width and grows when a text needs more, so none is cut.
    QLabel *label = m_panels[index];
    label->setText(text);
    label->setFixedWidth(qMax(kWidths[index], label->sizeHint().width()));
}

QLabel *StatusBar::panel(int index) const {
    return (index >= 0 && index < kPanels) ? m_panels[index] : nullptr;
}
