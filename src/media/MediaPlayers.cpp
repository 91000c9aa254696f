// The main window's media players: the video player, whose picture shows at the top of the
// play window, and the sound player; loading a file into each, arming them to start with
// the script, and closing them. The play window reaches them through the play host's media
// points (app/PlayCommand.cpp).
#include "app/Forms.h"
#include "app/Mainform.h"
#include "media/MediaPlayer.h"
#include "media/MediaRules.h"
#include "platform/Colors.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "play/BlackScroll.h"

#include <QAction>
#include <QFileInfo>
#include <QToolButton>

using platform::MediaDevice;

platform::FileDialogRequest TForm1::videoOpenDialog() {
    platform::FileDialogRequest r;
    r.title = QStringLiteral("Open a Video File (MCI)");
    r.filter = QStringLiteral("AVI Video Files (MCI)|*.AVI");
    return r;
}

platform::FileDialogRequest TForm1::soundOpenDialog() {
    platform::FileDialogRequest r;
    r.filter = QStringLiteral("Wave|*.wav|Midi FIles|*.mid|Movie|*.mov");
    r.defaultExt = QStringLiteral("WAV");
    return r;
}

void TForm1::buildMediaPlayers(QWidget *client) {
    using B = MediaPlayer::Button;
    AviPlayer = new MediaPlayer(MediaDevice::Kind::Video,
                                {B::Play, B::Pause, B::Stop, B::Next, B::Prev}, client);
    AviPlayer->setObjectName(QStringLiteral("AviPlayer"));
    AviPlayer->move(500, 368);
    waveplayer =
        new MediaPlayer(MediaDevice::Kind::Sound, {B::Play, B::Pause, B::Stop, B::Prev}, client);
    waveplayer->setObjectName(QStringLiteral("waveplayer"));
    waveplayer->move(500, 368);

    // "Start w/Video" and "Close" are one group of two toggle buttons: pressing one releases
    // the other, and both may be up.
    const auto toggleButton = [client](const char *name, const QString &caption, QRect geometry) {
        auto *b = new QToolButton(client);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setCheckable(true);
        b->setGeometry(geometry);
        return b;
    };
    SpeedButton2 =
        toggleButton("SpeedButton2", QStringLiteral("Start w/Video"), QRect(622, 368, 80, 26));
    SpeedButton1 = toggleButton("SpeedButton1", QStringLiteral("Close"), QRect(704, 368, 50, 26));
    for (QWidget *w : {static_cast<QWidget *>(AviPlayer), static_cast<QWidget *>(waveplayer),
                       static_cast<QWidget *>(SpeedButton2), static_cast<QWidget *>(SpeedButton1)})
        w->hide();

    connect(AVI1, &QAction::triggered, this, &TForm1::AVI1Click);
    connect(WAVE1, &QAction::triggered, this, &TForm1::waveplayerClick);
    connect(cd1, &QAction::triggered, this, &TForm1::CD1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, [this](bool down) {
        if (down)
            SpeedButton1->setChecked(false);
        SpeedButton2Click();
    });
    connect(SpeedButton1, &QToolButton::clicked, this, [this](bool down) {
        if (down)
            SpeedButton2->setChecked(false);
        SpeedButton1Click();
    });
    AviPlayer->onClick = [this](MediaPlayer::Button b) {
        AviPlayerClick(b);
    };
}

namespace {
// Runs a media open dialog; a confirmed file is remembered as the dialog's next choice.
std::optional<QString> chooseMedia(platform::FileDialogRequest &dialog) {
    const std::optional<QString> path = platform::FileDialogs::run(dialog);
    if (path)
        dialog.fileName = *path;
    return path;
}
} // namespace

void TForm1::AVI1Click() {
    if (const auto path = chooseMedia(OpenDialog3))
        setupavi(*path);
}

void TForm1::waveplayerClick() {
    if (MediaDevice::audioOutputCount() == 0) {
        platform::MessageBoxes::information(media::noWaveOutputMessage());
        return;
    }
    if (const auto path = chooseMedia(OpenDialog2))
        setupwave(*path);
}

void TForm1::CD1Click() {
    platform::MessageBoxes::information(media::notWrittenYetMessage());
}

void TForm1::setupavi(const QString &path) {
    // The title names the file first, whether or not it opens.
    setWindowTitle(media::fileNameOf(path));
    AviPlayerFileName = path;
    if (!QFileInfo::exists(path))
        return;
    // The picture shows in the play window, at the top-left in its natural size.
    AviPlayer->setDisplay(Form4);
    if (AviPlayer->open(path)) {
        AviPlayer->setDisplayRect(QRect(0, 0, 0, 0));
        AviPlayer->show();
        SpeedButton1->show();
        SpeedButton2->show();
        S_Top = media::outputTopBelowVideo(AviPlayer->displayRect().height());
    } else {
        AviPlayerFileName.clear();
        platform::MessageBoxes::error(media::videoBrokenMessage());
    }
    if (Centering && AviPlayer->isOpen()) {
        const QRect r = AviPlayer->displayRect();
        AviPlayer->setDisplayRect(
            QRect(media::centredVideoLeft(platform::Screen::width(), r.width()), 0, 0, 0));
    }
    MainFormResize();
    ShowStats();
}

void TForm1::setupwave(const QString &path) {
    waveplayerFileName = path;
    if (waveplayer->isHidden()) {
        SpeedButton2->show();
        SpeedButton1->show();
        waveplayer->show();
        MainFormResize();
    }
    if (waveplayer->open(path)) {
        // A sound that opens is armed at once, and the video no longer starts with it.
        AviArmed = false;
        WaveArmed = true;
    } else {
        platform::MessageBoxes::error(media::soundUnplayableMessage());
        WaveArmed = false;
    }
}

void TForm1::SpeedButton2Click() {
    const media::Arming a = media::armingFor(SpeedButton2->isChecked(), !waveplayer->isHidden(),
                                             !AviPlayer->isHidden());
    WaveArmed = a.WaveArmed;
    AviStartsWithText = a.AviStartsWithText;
    AviArmed = a.AviArmed;
}

void TForm1::SpeedButton1Click() {
    // Only armed media are closed; the others are only hidden.
    if (WaveArmed)
        waveplayer->close();
    if (AviArmed) {
        AviPlayer->close();
        AviStartsWithText = false;
        S_Top = 0;
    }
    WaveArmed = false;
    AviArmed = false;
    for (QWidget *w : {static_cast<QWidget *>(waveplayer), static_cast<QWidget *>(AviPlayer),
                       static_cast<QWidget *>(SpeedButton1), static_cast<QWidget *>(SpeedButton2)})
        w->hide();
    ShowStats();
}

void TForm1::StartMediaPlayer() {
    if (WaveArmed)
        waveplayer->play();
    if (AviArmed)
        AviPlayer->play();
}

void TForm1::AviPlayerClick(MediaPlayer::Button button) {
    if (button != MediaPlayer::Button::Play || AviStartsWithText || !Form4)
        return;
    // The video can be watched without the script: the play window covers the screen. Esc
    // or a click leaves it, as after a play.
    Form4->setGeometry(QRect(QPoint(0, 0), platform::Screen::size()));
    // No picture of an earlier play stays behind the video.
    Form4->surface().resize(platform::Screen::size(), platform::toQColor(FormColor).rgb());
    Form4->setEnabled(true);
    Form4->show();
    Form4->activateWindow();
}
