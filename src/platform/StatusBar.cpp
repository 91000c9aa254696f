#include "platform/StatusBar.h"

#include <QLabel>
#include <QProgressBar>

#include <algorithm>

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

void StatusBar::showProgress(const QString &what, int done, int total) {
    if (!m_progress) {
        m_progress = new QProgressBar(this);
        m_progress->setObjectName(QStringLiteral("statusProgress"));
        m_progress->setFixedWidth(220);
        addWidget(m_progress);
    }
    m_progress->setRange(0, std::max(total, 1));
    m_progress->setValue(std::clamp(done, 0, std::max(total, 1)));
    m_progress->setFormat(what + QStringLiteral(" %p%"));
    m_progress->show();
}

void StatusBar::hideProgress() {
    if (m_progress)
        m_progress->hide();
}

bool StatusBar::progressShown() const {
    return m_progress && m_progress->isVisible();
}
