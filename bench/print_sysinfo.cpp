// Figures of printing and of the "Under Your Hood" refresh, one per line as "name value
// unit": the 5 MB script printed to PDF through the Print command (pages, seconds, pages
// per second), and the user-interface thread's processor time of one refresh of the memory figures,
// alone and with the layout and painting of the labels it changed.
//
// Run with QT_QPA_PLATFORM=offscreen.

#include "BenchScript.h"

#include "app/MainWindow.h"
#include "editor/ScriptEditor.h"
#include "platform/MessageBoxes.h"
#include "platform/Printers.h"
#include "sysinfo/SystemInfoDialog.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point t0) {
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// Processor time of this thread in microseconds: what a refresh costs the user-interface
// thread, whatever else the machine runs.
double threadMicroseconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

void report(const char *name, double value, const char *unit) {
    std::printf("%s %.2f %s\n", name, value, unit);
    std::fflush(stdout);
}

int pdfPages(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    // Each page object says "/Type /Page" (the page tree says "/Type /Pages").
    const QByteArray bytes = file.readAll();
    return int(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
               bytes.count("/Type /Page/"));
}

void benchPrint(bool wrap) {
    const QByteArray bytes = fiveMegabyteScript();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("script.pdf"));
    platform::Printers::scripted({pdf});
    MainWindow form;
    form.initialiseSettings();
    form.resize(900, 600);
    form.ui().editor->setWordWrap(wrap);
    form.ui().editor->setText(QString::fromLatin1(bytes));
    (void)form.ui().editor->lineCount();
    // The program settles before the operator prints: whatever the load left for the event
    // loop runs now, not inside the measured job.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    form.ui().printSetupAction->trigger();
    const auto t0 = Clock::now();
    form.ui().printAction->trigger();
    const double seconds = secondsSince(t0);
    const int pages = pdfPages(pdf);
    const char *suffix = wrap ? "wrapped" : "unwrapped";
    std::printf("print_5mb_lines_%s %d lines\n", suffix, form.ui().editor->lineCount());
    std::printf("print_5mb_pages_%s %d pages\n", suffix, pages);
    std::printf("print_5mb_seconds_%s %.2f s\n", suffix, seconds);
    std::printf("print_5mb_pages_per_second_%s %.1f pages/s\n", suffix, pages / seconds);
    std::fflush(stdout);
}

void benchRefresh() {
    SystemInfoDialog hood;
    hood.show();
    hood.ui().refreshTimer->stop();
    QApplication::processEvents();
    std::vector<double> bare;
    std::vector<double> painted;
    for (int i = 0; i < 200; ++i) {
        double t0 = threadMicroseconds();
        hood.refreshTick();
        bare.push_back(threadMicroseconds() - t0);
        t0 = threadMicroseconds();
        hood.refreshTick();
        QApplication::processEvents(); // the labels that changed are laid out and painted
        painted.push_back(threadMicroseconds() - t0);
    }
    std::sort(bare.begin(), bare.end());
    std::sort(painted.begin(), painted.end());
    report("hood_refresh_median", bare[bare.size() / 2], "us");
    report("hood_refresh_p95", bare[bare.size() * 95 / 100], "us");
    report("hood_refresh_painted_median", painted[painted.size() / 2], "us");
    report("hood_refresh_painted_p95", painted[painted.size() * 95 / 100], "us");
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    platform::MessageBoxes::scripted();
    benchRefresh();
    benchPrint(false);
    benchPrint(true);
    return 0;
}
