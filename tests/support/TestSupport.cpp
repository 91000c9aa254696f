#include "TestSupport.h"

#include "app/MainWindow.h"
#include "app/ProgramWindows.h"
#include "editor/ScriptEditor.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Platform.h"
#include "platform/Printers.h"
#include "platform/RadioGroup.h"
#include "platform/Screen.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <csignal>

namespace testsupport {
namespace {
void recordExit(int) {}
} // namespace

Sandbox::Sandbox(int secondMs) : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME")) {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + QStringLiteral("/config")));
    QDir().mkpath(m_home.path() + QStringLiteral("/scratch"));
    platform::setSecondMs(secondMs);
    platform::MessageBoxes::scripted();
    platform::MessageBoxes::clearShown();
    platform::FileDialogs::scripted();
    platform::FileDialogs::clearRequests();
    platform::ColorDialogs::scripted();
    platform::Printers::scripted();
    platform::setTerminateHook(&recordExit);
    platform::resetTerminateRequest();
    platform::Screen::clearOverride();
}

Sandbox::~Sandbox() {
    destroyWindows();
    platform::Clock::useRealTime();
    platform::Screen::clearOverride();
    platform::MessageBoxes::unscripted();
    platform::FileDialogs::unscripted();
    platform::ColorDialogs::unscripted();
    platform::Printers::unscripted();
    platform::setTerminateHook(nullptr);
    platform::resetTerminateRequest();
    platform::setSecondMs(1000);
    if (m_oldConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
}

QString Sandbox::configDir() const {
    return platform::windowsDirectory();
}

QString Sandbox::path(const QString &name) const {
    return m_home.path() + QStringLiteral("/scratch/") + name;
}

QString Sandbox::writeFile(const QString &name, const QByteArray &bytes) const {
    const QString p = path(name);
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return p;
}

bool createWindows(const QStringList &arguments) {
    destroyWindows();
    return app::createWindows(arguments);
}

void destroyWindows() {
    app::destroyWindows();
}

void MainWindowFixture::openForm() {
    sandbox = std::make_unique<Sandbox>();
    f = new MainWindow;
    f->initialiseSettings();
}

void MainWindowFixture::closeForm() {
    delete f;
    f = nullptr;
    sandbox.reset();
}

void MainWindowFixture::renewForm() {
    delete f;
    f = new MainWindow;
    f->initialiseSettings();
}

QString MainWindowFixture::setting(const QString &name) const {
    const auto n = [](auto v) {
        return QString::number(v);
    };
    const QList<std::pair<const char *, QString>> values{
        {"ArrowAmt", n(f->settings().arrowStep)},
        {"PgJumpAmt", n(f->settings().pageStep)},
        {"MainColor", n(f->settings().mainWindowColor)},
        {"FormColor", n(f->settings().backgroundColor)},
        {"DisPlaColor", n(f->settings().textColor)},
        {"FadeHoldTime", n(f->settings().fadeHoldSeconds)},
        {"CbarTime", n(f->settings().colorBarSeconds)},
        {"WordPerMinute", n(f->settings().wordsPerMinute)},
        {"Delay", n(f->settings().delay)},
        {"DisPlaysize", n(f->settings().outputSizeChoice)},
        {"ProcessType", n(f->settings().pixelFormat)},
        {"S_Left", n(f->settings().outputLeft)},
        {"S_Top", n(f->settings().outputTop)},
        {"S_Right", n(f->settings().outputRight)},
        {"S_Bottom", n(f->settings().outputBottom)},
        {"DelayFactor", n(int(f->settings().delayFactor))},
        {"FontSize", n(f->editorFontSize())},
        {"fontSizeBar", n(f->ui().fontSizeBar->value())},
        {"delayBar", n(f->ui().delayBar->value())},
        {"screenResGroup", n(f->ui().screenResGroup->itemIndex())},
        {"retracePort", n(int(f->settings().retracePort))},
        {"delayLabel", f->ui().delayLabel->text()},
        {"FontName", f->ui().editor->font().family()},
        {"editor.bold", n(int(f->ui().editor->font().bold()))},
        {"editor.wordWrap", n(int(f->ui().editor->wordWrap()))},
        {"editor.wantReturns", n(int(f->ui().editor->wantReturns()))},
        {"Aviname", f->settings().videoFile},
        {"Wavname", f->settings().soundFile},
        {"Ver", f->settings().version},
        {"Startime", platform::dayFractionToTime(f->settings().startTime).toString(u"HH:mm:ss")},
        {"CenterFade", n(int(f->settings().centerFade))},
        {"Centering", n(int(f->settings().centering))},
        {"editor.centered", n(int(f->ui().editor->isCentered()))},
        {"playAtStart", n(int(f->settings().playAtStart))},
        {"clockTimer", n(int(f->ui().clockTimer->isActive()))},
        {"toolBar",
         f->ui().toolBar->isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown")}};
    for (const auto &[key, value] : values)
        if (name == QLatin1String(key))
            return value;
    return n(int(isChecked(f, name)));
}

void MainWindowFixture::expectSettings(const QStringList &expected) const {
    for (const QString &e : expected) {
        const QString name = e.section(u'=', 0, 0);
        QCOMPARE(name + u'=' + setting(name), e);
    }
}

QByteArray readFile(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

QStringList shownTexts() {
    QStringList texts;
    for (const auto &m : platform::MessageBoxes::shown())
        texts << m.text;
    return texts;
}

void runDialog(QAction *item, QDialog *dialog, QPushButton *ok, QPushButton *cancel,
               const QString &how, const std::function<void()> &checks) {
    QTimer::singleShot(0, dialog, [=] {
        checks();
        if (how == QLatin1String("ok"))
            ok->click();
        else if (how == QLatin1String("cancel"))
            cancel->click();
        else if (how == QLatin1String("esc"))
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
    });
    item->trigger();
    QVERIFY(!dialog->isVisible());
}

QString dialogText(const platform::FileDialogRequest &request) {
    return (request.save ? QStringLiteral("Save: ") : QStringLiteral("Open: ")) + request.title +
           QStringLiteral(" | ") + request.filter + QStringLiteral(" | ") + request.defaultExt;
}

bool isChecked(const QObject *root, const QString &name) {
    if (auto *a = root->findChild<QAction *>(name))
        return a->isChecked();
    if (auto *b = root->findChild<QAbstractButton *>(name))
        return b->isChecked();
    qFatal("no control %s", qPrintable(name));
}

void toggle(const QObject *root, const QString &name) {
    if (auto *a = root->findChild<QAction *>(name))
        a->trigger();
    else if (auto *b = root->findChild<QAbstractButton *>(name))
        b->click();
    else
        qFatal("no control %s", qPrintable(name));
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_handler);
}

QByteArray oldContent() {
    return QByteArrayLiteral("[Old]\r\nkept=1\r\n");
}

QString refusedPath(const QString &dir, Refusal how, const QString &name) {
    switch (how) {
    case Refusal::ParentIsFile:
        writeBytes(dir + QStringLiteral("/plain"), "x");
        return dir + QStringLiteral("/plain/") + name;
    case Refusal::PathIsFolder:
        QDir().mkpath(dir + u'/' + name);
        return dir + u'/' + name;
    case Refusal::FolderMissing:
        return dir + QStringLiteral("/no/such/") + name;
    case Refusal::DiskFull:
        writeBytes(dir + u'/' + name, oldContent());
        return dir + u'/' + name;
    }
    return {};
}

bool attemptSave(Refusal how, const std::function<bool()> &save) {
    if (how != Refusal::DiskFull)
        return save();
    const FileSizeLimit limit(256);
    return save();
}

QStringList entriesIn(const QString &dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace testsupport
