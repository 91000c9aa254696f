#include "media/MediaPlayer.h"

#include "media/MediaRules.h"
#include "media/VideoWindow.h"
#include "platform/MessageBoxes.h"

#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace {
struct ButtonLook {
    const char *name;
    QStyle::StandardPixmap icon;
    const char *hint;
};

ButtonLook lookOf(MediaPlayer::Button b) {
    switch (b) {
    case MediaPlayer::Button::Play:
        return {"playButton", QStyle::SP_MediaPlay, "Play"};
    case MediaPlayer::Button::Pause:
        return {"pauseButton", QStyle::SP_MediaPause, "Pause"};
    case MediaPlayer::Button::Stop:
        return {"stopButton", QStyle::SP_MediaStop, "Stop"};
    case MediaPlayer::Button::Next:
        return {"nextButton", QStyle::SP_MediaSkipForward, "Next"};
    case MediaPlayer::Button::Prev:
        break;
    }
    return {"previousButton", QStyle::SP_MediaSkipBackward, "Prev"};
}

constexpr int kButtonWidth = 24;
} // namespace

MediaPlayer::MediaPlayer(platform::MediaDevice::Kind kind, const QList<Button> &buttons,
                         QWidget *parent)
    : QFrame(parent), m_kind(kind) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    for (Button b : buttons) {
        const ButtonLook look = lookOf(b);
        auto *tb = new QToolButton(this);
        tb->setObjectName(QString::fromLatin1(look.name));
        tb->setIcon(style()->standardIcon(look.icon));
        tb->setToolTip(QString::fromLatin1(look.hint));
        tb->setAutoRaise(true);
        tb->setFixedWidth(kButtonWidth);
        layout->addWidget(tb);
        connect(tb, &QToolButton::clicked, this, [this, b] { buttonClicked(b); });
        m_buttons.append({b, tb});
    }
    resize(int(buttons.size()) * kButtonWidth + 2, 26);
}

MediaPlayer::~MediaPlayer() {
    close();
    detachVideo();
}

QToolButton *MediaPlayer::button(Button which) const {
    for (const auto &[b, tb] : m_buttons)
        if (b == which)
            return tb;
    return nullptr;
}

void MediaPlayer::setDisplay(QWidget *window) {
    if (m_video && m_video->parentWidget() == window)
        return;
    close();
    detachVideo();
    if (!window)
        return;
    m_video = new VideoWindow(window);
    m_video->exposed = [this] {
        if (m_device)
            m_device->expose();
    };
    // The display window is going (the program ends): stop drawing into it first.
    m_video->aboutToBeDestroyed = [this] {
        close();
    };
}

void MediaPlayer::setVisible(bool visible) {
    QFrame::setVisible(visible);
    if (m_video)
        m_video->setVisible(visible && isOpen());
}

void MediaPlayer::detachVideo() {
    if (!m_video)
        return;
    m_video->exposed = nullptr;
    m_video->aboutToBeDestroyed = nullptr;
    delete m_video;
    m_video = nullptr;
}

bool MediaPlayer::open(const QString &path) {
    if (!m_device)
        m_device = platform::MediaDevice::create(m_kind);
    m_device->setDisplayWindow(m_video ? m_video->nativeId() : 0);
    const bool ok = m_device->open(path);
    if (m_video) {
        m_video->setVisible(ok && !isHidden());
        if (ok)
            m_video->setGeometry(QRect(QPoint(0, 0), m_device->naturalSize()));
    }
    return ok;
}

void MediaPlayer::close() {
    if (m_device)
        m_device->close();
    if (m_video)
        m_video->hide();
}

bool MediaPlayer::isOpen() const {
    return m_device && m_device->isOpen();
}

QRect MediaPlayer::displayRect() const {
    if (!isOpen() || !m_video)
        return QRect();
    return m_video->geometry();
}

void MediaPlayer::setDisplayRect(const QRect &rect) {
    if (!isOpen() || !m_video)
        return;
    const bool natural = rect.width() == 0 && rect.height() == 0;
    m_video->setGeometry(QRect(rect.topLeft(), natural ? m_device->naturalSize() : rect.size()));
    m_device->expose();
}

void MediaPlayer::play() {
    // A medium that has ended is neither repeated nor closed; only the Play button restarts it.
    if (isOpen() && !m_device->ended())
        m_device->play();
}

void MediaPlayer::pause() {
    if (!isOpen())
        return;
    if (m_device->mode() == platform::MediaDevice::Mode::Paused)
        m_device->play();
    else
        m_device->pause();
}

void MediaPlayer::stop() {
    if (isOpen())
        m_device->stop();
}

void MediaPlayer::rewind() {
    if (isOpen())
        m_device->seek(0);
}

void MediaPlayer::next() {
    if (isOpen())
        m_device->seek(m_device->length());
}

void MediaPlayer::previous() {
    rewind();
}

platform::MediaDevice::Mode MediaPlayer::mode() const {
    return m_device ? m_device->mode() : platform::MediaDevice::Mode::NotOpen;
}

qint64 MediaPlayer::position() const {
    return isOpen() ? m_device->position() : 0;
}

void MediaPlayer::buttonClicked(Button which) {
    if (onClick)
        onClick(which);
    if (!isOpen()) {
        platform::MessageBoxes::error(media::noDeviceOpenMessage());
        return;
    }
    switch (which) {
    case Button::Play:
        m_device->play();
        break;
    case Button::Pause:
        pause();
        break;
    case Button::Stop:
        stop();
        break;
    case Button::Next:
        next();
        break;
    case Button::Prev:
        previous();
        break;
    }
}
