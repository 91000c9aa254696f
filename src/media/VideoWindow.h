#pragma once

#include <QWidget>

#include <functional>

// The native child window a video's pictures are drawn into. The media framework draws
// into it from its own threads, so the program never paints it: Qt gives it no background
// and no paint engine, and an exposure only asks the framework to draw the last picture
// again.
class VideoWindow : public QWidget {
    Q_OBJECT
public:
    explicit VideoWindow(QWidget *parent);
    ~VideoWindow() override;

    // The native window's id for the framework; 0 where the windowing system offers none
    // that it can draw into (only X windows serve).
    quintptr nativeId();

    // Asked to draw the last picture again.
    std::function<void()> exposed;
    // Runs before the native window goes: whatever draws into it must stop first.
    std::function<void()> aboutToBeDestroyed;

    QPaintEngine *paintEngine() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent *event) override;
};
