// Figures of the play engine for a 1920 x 1080 output, one per line as "name value unit":
// the cost of a scroll step, a present, a drawn line and a mirror in every pixel format,
// rows per second at Delay 0, the spread of the row interval at Delay 1000, the naive
// whole-area scroll for comparison, the present path at 30, 60 and 120 rows a second (rows
// per present, the presents' cadence, the row intervals beside it), the time to open,
// count and save a 5 MB script, to read all its display lines in order and to find the line
// of a position; Find Next, Replace and the font chooser on the main window; the antialias
// filter on a 1920 x 100 title (its row path and its 1-based path, which must agree byte for
// byte) and one fade frame of a 1920 x 200 title.
// "--quick" keeps the run short, "--fade" measures only the antialias filter and the fade
// frame.
//
// Run with QT_QPA_PLATFORM=offscreen.

#include "BenchScript.h"
#include "app/MainWindow.h"
#include "dialogs/FontChooser.h"
#include "dialogs/FontFaceDelegate.h"

#include "editor/EditCommands.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptText.h"
#include "editor/WrappedLineIndex.h"
#include "platform/FindDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/PreciseWait.h"
#include "platform/Screen.h"
#include "play/Antialias.h"
#include "play/FadeFrame.h"
#include "play/LineStrip.h"
#include "play/Mirror.h"
#include "play/PlaySurface.h"
#include "play/RowSchedule.h"
#include "play/ScreenPresenter.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <mutex>
#include <vector>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kEditorPointSize = 24; // a 48-point play font
constexpr int kTextColour = 0xFFFFFF;
constexpr int kBackColour = 0x000000;

using Clock = std::chrono::steady_clock;

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// Processor time of the calling thread.
qint64 threadCpuNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// The wait after a row, as the play window keeps it.
void waitRow(RowSchedule &schedule, int delay) {
    platform::waitUntilNs(schedule.next(platform::monotonicNs(), rowWaitNs(delay)));
}

double percentile(std::vector<qint64> v, double p) {
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const size_t i = std::min(v.size() - 1, static_cast<size_t>(p * (v.size() - 1) + 0.5));
    return static_cast<double>(v[i]);
}

double medianNs(const std::vector<qint64> &v) {
    return percentile(v, 0.5);
}

// Times each call of step separately; returns the samples in nanoseconds.
std::vector<qint64> sample(int count, const std::function<void(int)> &step) {
    std::vector<qint64> out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        const qint64 t0 = nowNs();
        step(i);
        out.push_back(nowNs() - t0);
    }
    return out;
}

void report(const char *name, const QString &suffix, double value, const char *unit) {
    std::printf("%s%s %.2f %s\n", name, qPrintable(suffix), value, unit);
    std::fflush(stdout);
}

// The present target of the benchmark: the picture's part copied onto a screen-sized image,
// as the window's paint or the X server's put would, with the time of each present and the
// row it shows (the bench's rows carry their number in their first pixel).
class ScreenImageTarget : public ScreenPresenter::Target {
public:
    explicit ScreenImageTarget(QSize size) : m_screen(size, QImage::Format_RGB32) {}
    void show(const QImage &picture, const QRect &rect) override {
        {
            QPainter p(&m_screen);
            p.drawImage(rect.topLeft(), picture, rect);
        }
        std::lock_guard lock(m_mutex);
        m_at.push_back(ScreenPresenter::nowNs());
        m_row.push_back(picture.pixel(rect.left(), rect.bottom()) & 0xFFFFFF);
    }
    // Times and rows of the presents so far.
    std::vector<qint64> at() {
        std::lock_guard lock(m_mutex);
        return m_at;
    }
    std::vector<qint64> rows() {
        std::lock_guard lock(m_mutex);
        return m_row;
    }

private:
    QImage m_screen;
    std::mutex m_mutex;
    std::vector<qint64> m_at;
    std::vector<qint64> m_row;
};

// A row whose first pixel holds its number.
void numberRow(std::vector<QRgb> &row, qint64 n) {
    row[0] = 0xFF000000u | static_cast<QRgb>(n & 0xFFFFFF);
}

struct Format {
    int pixelFormat;
    const char *name;
};

const Format kFormats[] = {{0, "device"}, {1, "1bpp"},  {2, "4bpp"},  {3, "8bpp"},
                           {4, "15bpp"},  {5, "16bpp"}, {6, "24bpp"}, {7, "32bpp"}};

const QStringList kLines = {
    QStringLiteral("Good evening, and welcome to the programme."),
    QStringLiteral("Tonight: the harbour bridge reopens after three years of work,"),
    QStringLiteral("and the city council votes on the new tram line."),
    QStringLiteral("WEATHER 0123456789 - showers in the north, sun in the south"),
};

QFont editorFont() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(kEditorPointSize);
    return f;
}

struct Budget {
    int steps;
    int presents;
    int lines;
    int mirrors;
    double rowsSeconds;
    double paceSeconds;
    int slowRows;
    int naiveSteps;
    int antiRuns;
    int fadeFrames;
};

void benchFormat(const Format &f, const Budget &b) {
    const QString suffix = QStringLiteral("_%1_%2x%3").arg(f.name).arg(kWidth).arg(kHeight);

    LineStrip strip;
    strip.updateStrip(editorFont(), kEditorPointSize, kTextColour, kBackColour, false, kWidth);
    strip.selectPixelFormat(f.pixelFormat, false);
    strip.clearStrip();
    strip.drawLine(kLines[0], false, false, true);
    const QImage rows = strip.toRgb32();
    const int stripHeight = strip.stripHeight();

    PlaySurface surface;
    surface.resize(QSize(kWidth, kHeight), qRgb(0, 0, 0));
    surface.setScrollArea(0, 0, kWidth, kHeight);

    // Scroll step: write the entry row, scroll the area up by one pixel.
    auto step = [&](int i) {
        surface.writeEntryRow(reinterpret_cast<const QRgb *>(rows.constScanLine(i % stripHeight)),
                              kWidth);
        surface.scrollUp();
    };
    report("scroll_step", suffix, medianNs(sample(b.steps, step)) / 1000.0, "us");

    // Present: the whole surface onto a screen-sized image, as a window's paint would.
    QImage screen(kWidth, kHeight, QImage::Format_RGB32);
    std::vector<qint64> presents;
    for (int i = 0; i < b.presents; ++i) {
        step(i); // a scroll leaves the whole area to present
        const qint64 t0 = nowNs();
        {
            QPainter p(&screen);
            surface.paintOnto(p, surface.dirtyRect());
        }
        presents.push_back(nowNs() - t0);
        surface.clearDirty();
    }
    report("present", suffix, medianNs(presents) / 1000.0, "us");

    // Line drawn: clear the strip, draw a centred line, convert it to 32 bits once.
    const auto lines = sample(b.lines, [&](int i) {
        strip.clearStrip();
        strip.drawLine(kLines[i % kLines.size()], false, false, true);
        (void)strip.toRgb32();
    });
    report("line_draw", suffix, medianNs(lines) / 1000.0, "us");

    // Rows per second at Delay 0: the whole line loop, the rows handed to the presenter,
    // which presents from its own thread.
    ScreenImageTarget target(surface.size());
    ScreenPresenter presenter;
    presenter.setTarget(&target, true);
    presenter.beginRows(surface);
    qint64 rowCount = 0;
    RowSchedule schedule;
    const qint64 start = nowNs();
    const qint64 end = start + static_cast<qint64>(b.rowsSeconds * 1e9);
    for (int line = 0; nowNs() < end; ++line) {
        strip.clearStrip();
        strip.drawLine(kLines[line % kLines.size()], false, false, true);
        const QImage &converted = strip.toRgb32();
        for (int i = 0; i < stripHeight; ++i) {
            const QRgb *px = reinterpret_cast<const QRgb *>(converted.constScanLine(i));
            surface.writeEntryRow(px, kWidth);
            surface.scrollUp();
            surface.clearDirty();
            presenter.rowScrolledIn(px, kWidth);
            waitRow(schedule, 0);
            ++rowCount;
        }
    }
    const double seconds = (nowNs() - start) / 1e9;
    presenter.setTarget(nullptr, false);
    report("rows_per_second_delay0", suffix, rowCount / seconds, "rows/s");
    report("presents_per_second_delay0", suffix, target.at().size() / seconds, "presents/s");
}

// The present path as the play window uses it, with no X server: rows at the Delay nearest to
// each pace, kept on the row schedule, written onto a 1920 x 1080 surface and
// handed to the presenter, which presents from its own thread onto a screen image.
void benchPresentPath(const Budget &b) {
    for (const double pace : {30.0, 60.0, 120.0}) {
        const int delay = delayForRowsPerSecond(pace);
        PlaySurface surface;
        surface.resize(QSize(kWidth, kHeight), qRgb(0, 0, 0));
        surface.setScrollArea(0, 0, kWidth, kHeight);
        ScreenImageTarget target(surface.size());
        ScreenPresenter presenter;
        presenter.setTarget(&target, true);
        presenter.beginRows(surface);
        std::vector<QRgb> row(kWidth, qRgb(255, 255, 255));
        std::vector<qint64> rowIntervals;
        const qint64 start = nowNs();
        const qint64 end = start + static_cast<qint64>(b.paceSeconds * 1e9);
        qint64 last = start;
        RowSchedule schedule;
        for (qint64 n = 1; last < end; ++n) {
            numberRow(row, n);
            surface.writeEntryRow(row.data(), kWidth);
            surface.scrollUp();
            presenter.rowScrolledIn(row.data(), kWidth, schedule.paceNs());
            waitRow(schedule, delay);
            const qint64 t = nowNs();
            rowIntervals.push_back(t - last);
            last = t;
        }
        presenter.setTarget(nullptr, false);
        // After a second of start-up: rows per present, the intervals between presents, and
        // the evenness of the speed they show (the spread of rows / interval).
        const std::vector<qint64> at = target.at();
        const std::vector<qint64> shown = target.rows();
        std::vector<qint64> perPresent, intervals;
        std::vector<double> speeds;
        for (size_t i = 1; i < at.size(); ++i) {
            if (at[i] - start < 1'000'000'000)
                continue;
            perPresent.push_back(shown[i] - shown[i - 1]);
            intervals.push_back(at[i] - at[i - 1]);
            speeds.push_back(double(shown[i] - shown[i - 1]) / (at[i] - at[i - 1]));
        }
        double mean = 0, var = 0;
        for (double v : speeds)
            mean += v / speeds.size();
        for (double v : speeds)
            var += (v - mean) * (v - mean) / speeds.size();
        const QString suffix = QStringLiteral("_%1rows").arg(int(pace));
        const double seconds = (last - start) / 1e9;
        report("present_path_delay", suffix, delay, "");
        report("present_path_rows_per_second", suffix, rowIntervals.size() / seconds, "rows/s");
        report("present_path_rows_per_present_median", suffix, percentile(perPresent, 0.5), "rows");
        report("present_path_rows_per_present_p5", suffix, percentile(perPresent, 0.05), "rows");
        report("present_path_rows_per_present_p95", suffix, percentile(perPresent, 0.95), "rows");
        report("present_path_interval_median", suffix, percentile(intervals, 0.5) / 1e6, "ms");
        report("present_path_interval_p95", suffix, percentile(intervals, 0.95) / 1e6, "ms");
        report("present_path_speed_cv", suffix, speeds.empty() ? 0.0 : std::sqrt(var) / mean, "");
        report("present_path_row_interval_median", suffix, percentile(rowIntervals, 0.5) / 1e6,
               "ms");
        report("present_path_row_interval_p95", suffix, percentile(rowIntervals, 0.95) / 1e6, "ms");
    }
}

void benchMirror(const Budget &b) {
    LineStrip strip;
    strip.updateStrip(editorFont(), kEditorPointSize, kTextColour, kBackColour, false, kWidth);
    strip.selectPixelFormat(0, true);
    strip.clearStrip();
    strip.drawLine(kLines[1], false, false, true);
    const QString suffix = QStringLiteral("_8bpp_%1x%2").arg(kWidth).arg(strip.stripHeight());
    const auto mirrors = sample(b.mirrors, [&](int) { mirrorStrip(strip.strip()); });
    report("mirror", suffix, medianNs(mirrors) / 1000.0, "us");
}

void benchSlowPace(const Budget &b) {
    // Delay 1000 (25.0 ms a row): the step, then the wait on the row schedule. The
    // processor time the thread spends meanwhile, as a share of the time that passed.
    PlaySurface surface;
    surface.resize(QSize(kWidth, kHeight), qRgb(0, 0, 0));
    surface.setScrollArea(0, 0, kWidth, kHeight);
    std::vector<QRgb> row(kWidth, qRgb(255, 255, 255));
    std::vector<qint64> intervals;
    RowSchedule schedule;
    const qint64 cpu0 = threadCpuNs();
    const qint64 start = nowNs();
    qint64 last = start;
    for (int i = 0; i < b.slowRows; ++i) {
        surface.writeEntryRow(row.data(), kWidth);
        surface.scrollUp();
        waitRow(schedule, 1000);
        const qint64 t = nowNs();
        intervals.push_back(t - last);
        last = t;
    }
    const double cpuShare = double(threadCpuNs() - cpu0) / double(last - start);
    const QString suffix = QStringLiteral("_%1x%2").arg(kWidth).arg(kHeight);
    report("row_interval_delay1000_median", suffix, percentile(intervals, 0.5) / 1e6, "ms");
    report("row_interval_delay1000_p5", suffix, percentile(intervals, 0.05) / 1e6, "ms");
    report("row_interval_delay1000_p95", suffix, percentile(intervals, 0.95) / 1e6, "ms");
    report("row_wait_cpu_share_delay1000", suffix, cpuShare * 100.0, "%");
}

void benchNaive(const Budget &b) {
    const QString suffix = QStringLiteral("_%1x%2").arg(kWidth).arg(kHeight);
    // Moving the whole area up one row with memmove, then writing the entry row.
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    std::vector<QRgb> row(kWidth, qRgb(255, 255, 255));
    const qsizetype bpl = image.bytesPerLine();
    const auto moves = sample(b.naiveSteps, [&](int) {
        uchar *bits = image.bits();
        std::memmove(bits, bits + bpl, static_cast<size_t>(bpl) * (kHeight - 1));
        std::memcpy(image.scanLine(kHeight - 1), row.data(), row.size() * sizeof(QRgb));
    });
    report("naive_memmove_step", suffix, medianNs(moves) / 1000.0, "us");

    // The toolkit's own scroll of a picture.
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::black);
    const auto scrolls = sample(b.naiveSteps, [&](int) { pixmap.scroll(0, -1, pixmap.rect()); });
    report("naive_pixmap_scroll_step", suffix, medianNs(scrolls) / 1000.0, "us");
}

// A title of the given size in 24 or 32 bits: white text on black across the width.
platform::Bitmap titleBitmap(int width, int height, platform::PixelFormat format) {
    platform::Bitmap b(width, height, format);
    b.fill(qRgb(0, 0, 0));
    b.paint([&](QPainter &p) {
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(height * 2 / 3);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, width, height), Qt::AlignCenter, kLines[1]);
    });
    return b;
}

QByteArray bitmapBytes(const platform::Bitmap &b) {
    QByteArray all;
    for (int y = 0; y < b.height(); ++y)
        all.append(reinterpret_cast<const char *>(b.scanLine(y)), b.bytesPerLine());
    return all;
}

// The antialias filter on a 1920 x 100 title in megapixels a second, by the row path and
// the 1-based path; and one fade frame of a 1920 x 200 title: the level computed, the frame
// converted to the surface's 32 bits and put on the surface.
void benchFade(const Budget &b) {
    int weights[5][5];
    copyAntialiasKernel(weights);
    const struct {
        platform::PixelFormat format;
        const char *name;
        platform::Bitmap &(*rows)(platform::Bitmap &, const AntialiasKernel &);
        platform::Bitmap &(*oneBased)(platform::Bitmap &, const AntialiasKernel &);
    } kinds[] = {{platform::PixelFormat::Bits24, "24bpp", antialias, antiOneBased},
                 {platform::PixelFormat::Bits32, "32bpp", antialias32, anti32OneBased}};
    for (const auto &k : kinds) {
        const platform::Bitmap title = titleBitmap(kWidth, 100, k.format);
        const double megapixels = kWidth * 100 / 1e6;
        const auto timeFilter = [&](auto filter, int runs) {
            std::vector<qint64> times;
            for (int i = 0; i < runs; ++i) {
                platform::Bitmap work = title;
                const qint64 t0 = nowNs();
                filter(work, weights);
                times.push_back(nowNs() - t0);
            }
            return megapixels / (medianNs(times) / 1e9);
        };
        const QString suffix = QStringLiteral("_%1_%2x100").arg(k.name).arg(kWidth);
        const double rowRate = timeFilter(k.rows, b.antiRuns);
        const double oneBasedRate = timeFilter(k.oneBased, std::max(3, b.antiRuns / 10));
        report("antialias_rows", suffix, rowRate, "Mpx/s");
        report("antialias_one_based", suffix, oneBasedRate, "Mpx/s");
        report("antialias_gain", suffix, rowRate / oneBasedRate, "x");
        platform::Bitmap byRows = title;
        platform::Bitmap byElements = title;
        k.rows(byRows, weights);
        k.oneBased(byElements, weights);
        report("antialias_paths_agree", suffix,
               bitmapBytes(byRows) == bitmapBytes(byElements) ? 1.0 : 0.0, "");

        const platform::Bitmap source = titleBitmap(kWidth, 200, k.format);
        platform::Bitmap work(kWidth, 200, k.format);
        work.fill(qRgb(0, 0, 0));
        PlaySurface surface;
        surface.resize(QSize(kWidth, kHeight), qRgb(0, 0, 0));
        QImage frame;
        const auto frames = sample(b.fadeFrames, [&](int i) {
            fadeFrame(source, work, fadeLevel(true, i % kFadeLevels));
            work.toRgb32(frame);
            surface.putImage(QPoint(0, 700), frame);
        });
        report("fade_frame", QStringLiteral("_%1_%2x200").arg(k.name).arg(kWidth),
               medianNs(frames) / 1000.0, "us");
    }
}

// A 5 MB script, unwrapped and wrapped in a 500-pixel editor: decode and load it, count its
// display lines and read one far down, then save it; read every line, look up positions.
void benchScript() {
    const QByteArray bytes = fiveMegabyteScript();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("script.txt"));
    for (bool wrap : {false, true}) {
        ScriptEditor editor;
        editor.resize(500, 400);
        editor.setWordWrap(wrap);
        const qint64 t0 = nowNs();
        const std::optional<LoadedScript> loaded = decodeScript(bytes);
        editor.setText(loaded->text);
        const int lines = editor.lineCount();
        (void)editor.line(lines / 2);
        const qint64 t1 = nowNs();
        QString error;
        if (!saveScriptFile(path, editor.text(), loaded->encoding, &error))
            std::fprintf(stderr, "script save failed: %s\n", qPrintable(error));
        const qint64 t2 = nowNs();
        // What a search does: every display line read in order, and the line of a position
        // with that line's start, far apart in the script.
        const WrappedLineIndex &index = editor.displayLines();
        for (int k = 0; k < lines; ++k)
            (void)index.line(k);
        const qint64 t3 = nowNs();
        const int last = editor.document()->characterCount() - 1;
        const auto lookups = sample(1000, [&](int i) {
            (void)index.positionOfLine(index.lineOfPosition(int(qint64(last) * i / 1000)));
        });
        const QString suffix = wrap ? QStringLiteral("_wrapped") : QStringLiteral("_unwrapped");
        report("script_5mb_open_count", suffix, (t1 - t0) / 1e6, "ms");
        report("script_5mb_save", suffix, (t2 - t1) / 1e6, "ms");
        report("script_5mb_read_all_lines", suffix, (t3 - t2) / 1e6, "ms");
        report("script_5mb_line_lookup", suffix, medianNs(lookups) / 1000.0, "us");
    }
}

// Find Next and Replace on the 5 MB script (wrapped in the main window's editor), each from
// the button to the selection painted, with the match on the last line; and the font chooser
// opened with every installed face, from the command to the list painted.
void benchEditing(const QByteArray &bytes) {
    platform::MessageBoxes::scripted();
    MainWindow form;
    form.initialiseSettings();
    form.resize(900, 600);
    form.show();
    form.ui().editor->setText(decodeScript(bytes + "the needle line\r\n")->text);
    (void)form.ui().editor->lineCount(); // counted once, as opening the file does
    QCoreApplication::processEvents();

    form.ui().findAction->trigger();
    form.ui().findDialog->setFindText(QStringLiteral("needle"));
    const auto finds = sample(20, [&](int) {
        form.editCommands().restartFind();
        form.ui().findDialog->FindNextButton->click();
        form.ui().editor->viewport()->repaint();
    });
    const bool foundLast = form.ui().editor->textCursor().selectedText() == u"the needle line";
    form.ui().findDialog->close();

    form.ui().replaceAction->trigger();
    form.ui().replaceDialog->setFindText(QStringLiteral("needle"));
    form.ui().replaceDialog->setReplaceText(QStringLiteral("needle"));
    const auto replaces = sample(20, [&](int) {
        form.ui().editor->moveCursor(QTextCursor::Start);
        form.ui().replaceDialog->ReplaceButton->click();
        form.ui().editor->viewport()->repaint();
    });
    form.ui().replaceDialog->close();
    if (!foundLast || !platform::MessageBoxes::shown().isEmpty())
        std::fprintf(stderr, "find or replace missed the last line\n");
    report("find_next_5mb_wrapped", QString(), medianNs(finds) / 1e6, "ms");
    report("find_next_5mb_wrapped_max", QString(), percentile(finds, 1.0) / 1e6, "ms");
    report("replace_5mb_wrapped", QString(), medianNs(replaces) / 1e6, "ms");
    report("replace_5mb_wrapped_max", QString(), percentile(replaces, 1.0) / 1e6, "ms");

    // The first opening loads the faces it shows; later ones find them loaded.
    FontChooser chooser(&form);
    FontChooserInput input;
    input.font = form.ui().editor->font();
    input.text = Qt::black;
    input.background = Qt::white;
    input.height = form.height() - 100;
    std::vector<qint64> opens;
    for (int i = 0; i < 5; ++i) {
        const qint64 t0 = nowNs();
        chooser.prepare(input);
        chooser.show();
        chooser.ui().faceList->viewport()->repaint();
        QCoreApplication::processEvents(); // the relayout once the shown faces are measured
        chooser.ui().faceList->viewport()->repaint();
        opens.push_back(nowNs() - t0);
        chooser.hide();
    }
    const int faces = chooser.ui().faceList->count();
    const int facesLoaded = chooser.facesLoaded();
    // What measuring every face up front would cost, for the faces still unloaded.
    const qint64 t0 = nowNs();
    for (int i = 0; i < faces; ++i)
        (void)QFontMetrics(FontFaceDelegate::faceFont(chooser.ui().faceList->item(i)->text(),
                                                      chooser.ui().faceList->font()))
            .height();
    const qint64 eager = nowNs() - t0;
    std::printf("font_chooser_faces %d faces, %d loaded\n", faces, facesLoaded);
    report("font_chooser_open_first", QString(), opens.front() / 1e6, "ms");
    report("font_chooser_open_again", QString(), medianNs(opens) / 1e6, "ms");
    report("font_chooser_load_all_faces", QString(), eager / 1e6, "ms");
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    bool quick = false;
    bool fadeOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quick") == 0) {
            quick = true;
        } else if (std::strcmp(argv[i], "--fade") == 0) {
            fadeOnly = true;
        } else {
            std::fprintf(stderr, "usage: %s [--quick] [--fade]\n", argv[0]);
            return 2;
        }
    }
    const Budget budget = quick ? Budget{2000, 40, 30, 100, 0.4, 3.0, 40, 100, 10, 66}
                                : Budget{10800, 300, 300, 1000, 2.0, 10.0, 200, 500, 60, 660};

    std::printf("screen_depth %d bits\n", platform::Screen::depth());
    if (fadeOnly) {
        benchFade(budget);
        return 0;
    }
    for (const Format &f : kFormats)
        benchFormat(f, budget);
    benchMirror(budget);
    benchSlowPace(budget);
    benchPresentPath(budget);
    benchNaive(budget);
    benchFade(budget);
    benchScript();
    benchEditing(fiveMegabyteScript());
    return 0;
}
