#pragma once

#include "platform/MediaDevice.h"

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>

class QToolButton;
class VideoWindow;

// A media player control: a row of buttons (Play, Pause, Stop, Next, Prev) over one media
// device. A video player shows its picture in a display window given to it, at a place and
// size set like a destination rectangle.
//
// The program's own commands (Play, Stop, Rewind) go only to an open device and do nothing
// otherwise; the buttons, pressed on a player with no open device, say so.
class MediaPlayer : public QFrame {
    Q_OBJECT
public:
    enum class Button { Play, Pause, Stop, Next, Prev };

    MediaPlayer(platform::MediaDevice::Kind kind, const QList<Button> &buttons,
                QWidget *parent = nullptr);
    ~MediaPlayer() override;

    // The window the video's picture shows in; the player draws into a child window of it.
    void setDisplay(QWidget *window);
    // Opens the file, closing what was open; false (and closed) when it cannot be played.
    bool open(const QString &path);
    void close();
    bool isOpen() const;

    // The picture's place in the display window. A rectangle whose width and height are
    // both 0 stands for the natural size at its left and top.
    QRect displayRect() const;
    void setDisplayRect(const QRect &rect);

    void play();  // the program's command: a medium that has ended stays at its end
    void pause(); // pauses, or resumes when paused
    void stop();
    void rewind();
    void next(); // to the end
    void previous();
    platform::MediaDevice::Mode mode() const;
    qint64 position() const;

    // The video's picture window is shown exactly while the player is, with a file open.
    void setVisible(bool visible) override;

    QToolButton *button(Button which) const;
    // Runs when a button is pressed, before the player acts on it.
    std::function<void(Button)> onClick;

private:
    void buttonClicked(Button which);
    void detachVideo();

    std::unique_ptr<platform::MediaDevice> m_device;
    platform::MediaDevice::Kind m_kind;
    QList<QPair<Button, QToolButton *>> m_buttons;
    QPointer<VideoWindow> m_video;
};
