#include "editor/StatusProgress.h"

#include "platform/StatusBar.h"

#include <QCoreApplication>

StatusProgress::StatusProgress(StatusBar *statusBar) : m_statusBar(statusBar) {
    m_clock.start();
}

StatusProgress::~StatusProgress() {
    m_statusBar->hideProgress();
}

void StatusProgress::update(const QString &what, int done, int total) {
    const qint64 now = m_clock.elapsed();
    if (now < m_nextPump || !m_statusBar->window()->isVisible())
        return;
    m_nextPump = now + kPumpEveryMs;
    m_statusBar->showProgress(what, done, total);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
