#pragma once

#include "play/LivePreview.h"

#include <QWidget>

#include <memory>

class ScreenPresenter;
namespace platform {
class X11Window;
}

// The play picture small on the console while a play runs on another screen, in a native
// window of its own over the place of the widget it covers (the editor), which it follows. Its
// pictures come from a LivePreview thread, which puts them straight into the window through the X
// server where it can, so that the preview keeps its pace while the scrolling pass holds the
// user-interface thread; elsewhere the thread asks for a repaint, which happens when messages run.
class PlayPreview : public QWidget {
    Q_OBJECT
public:
    // A preview at least this often.
    static constexpr int kIntervalMs = 50;

    explicit PlayPreview(QWidget *covered);
    ~PlayPreview() override;

    // Shows the presenter's picture (turned back when the play is mirrored) until stop().
    void start(const ScreenPresenter &presenter, bool mirrored);
    void stop();
    bool running() const { return m_feed.running(); }
    bool mirrored() const { return m_mirrored; }
    // Previews made since start(), and whether they go straight to the screen.
    qint64 picturesMade() const { return m_feed.made(); }
    bool drawsDirectly() const { return m_direct != nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LivePreview m_feed;
    std::unique_ptr<platform::X11Window> m_direct;
    QWidget *m_covered;
    bool m_mirrored = false;
};
