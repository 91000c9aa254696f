// Printing the script: the line layout on a device of known measures, and whole jobs
// printed to PDF and read back with pdftotext.
#include "TestSupport.h"

#include "app/MainWindow.h"
#include "editor/LinePrinter.h"
#include "editor/PrintDevice.h"
#include "editor/ScriptEditor.h"
#include "editor/ScriptPrintout.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Printers.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>

namespace {

// Every character 10 units wide, text 10 high; records what is drawn as "page x,y text".
class GridDevice : public PrintDevice {
public:
    explicit GridDevice(QSize page) : m_page(page) {}
    QSize pageSize() const override { return m_page; }
    void selectFont(Font) override {}
    int textWidth(QStringView text) const override { return 10 * int(text.size()); }
    int textHeight() const override { return 10; }
    int averageCharWidth() const override { return 10; }
    void drawText(int x, int y, const QString &text) override {
        drawn << QStringLiteral("%1 %2,%3 %4").arg(m_pageNo).arg(x).arg(y).arg(text);
    }
    void newPage() override { ++m_pageNo; }
    void abort() override {
        aborted = true;
        drawn.clear();
    }
    QStringList drawn;
    bool aborted = false;

private:
    QSize m_page;
    int m_pageNo = 1;
};

// The PDF's text; -layout keeps the spaces of a line.
QString pdfText(const QString &path, const QStringList &options = {QStringLiteral("-layout")}) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The words of the PDF with their boxes, in points from the top of the page.
struct Word {
    QString text;
    double top;
    double bottom;
};
QList<Word> words(const QString &path) {
    static const QRegularExpression re(
        QStringLiteral("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">([^<]*)<"));
    QList<Word> out;
    for (const auto &m : re.globalMatch(pdfText(path, {QStringLiteral("-bbox")})))
        out << Word{m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()};
    return out;
}

} // namespace

class TestPrinting : public QObject, testsupport::MainWindowFixture {
    Q_OBJECT

    QString m_pdf;

    // Prints the editor's script with Print to a fresh PDF file chosen in Print Setup.
    QString print() {
        m_pdf = sandbox->path(QStringLiteral("job%1.pdf").arg(platform::Printers::setupRequests()));
        platform::Printers::scripted({m_pdf});
        f->ui().printSetupAction->trigger();
        f->ui().printAction->trigger();
        return m_pdf;
    }

private slots:
    void init() { openForm(); }
    void cleanup() { closeForm(); }

    void lineLayout_data() {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("drawn");
        const QSize page(100, 60);
        QTest::newRow("fits") << page << QStringList{"abc", "de"}
                              << QStringList{"1 0,0 abc", "1 0,12 de"};
        QTest::newRow("broken mid-word at the last character that fits")
            << page << QStringList{"abcdefghijkl"} << QStringList{"1 0,0 abcdefghij", "1 0,12 kl"};
        QTest::newRow("tab to the next stop of eight characters")
            << page << QStringList{"ab\tc"} << QStringList{"1 0,0 ab", "1 80,0 c"};
        QTest::newRow("tab past the edge begins a line")
            << page << QStringList{"abcdefghi\tx"} << QStringList{"1 0,0 abcdefghi", "1 0,12 x"};
        QTest::newRow("form feed begins a page")
            << page << QStringList{"ab\fcd"} << QStringList{"1 0,0 ab", "2 0,0 cd"};
        QTest::newRow("carriage return ignored, line feed ends the line")
            << page << QStringList{"a\rb\nc"} << QStringList{"1 0,0 a", "1 10,0 b", "1 0,12 c"};
        QTest::newRow("empty line advances by the character height")
            << page << QStringList{"a", "", "b"} << QStringList{"1 0,0 a", "1 0,22 b"};
        QTest::newRow("page full when less than two lines are left")
            << page << QStringList{"1", "2", "3", "4", "5"}
            << QStringList{"1 0,0 1", "1 0,12 2", "1 0,24 3", "1 0,36 4", "2 0,0 5"};
        QTest::newRow("character wider than the page printed alone")
            << QSize(5, 60) << QStringList{"ab"} << QStringList{"1 0,0 a", "1 0,12 b"};
    }
    void lineLayout() {
        QFETCH(QSize, page);
        QFETCH(QStringList, lines);
        QFETCH(QStringList, drawn);
        GridDevice device(page);
        LinePrinter printer(device);
        for (const QString &line : lines)
            printer.printLine(line);
        QCOMPARE(device.drawn, drawn);
        // A page left empty at the end is never begun.
        QCOMPARE(printer.pagesUsed(), drawn.last().section(u' ', 0, 0).toInt());
    }

    // A job cancelled after page k stops at once and is aborted on its device: nothing of it
    // stays, nothing is drawn after it. A job left alone ends on the pages it estimated.
    void cancelledPrintout_data() {
        QTest::addColumn<int>("cancelAfterPage");
        QTest::newRow("cancelled on the first page") << 0;
        QTest::newRow("cancelled after page 1") << 1;
        QTest::newRow("cancelled after page 4") << 4;
        QTest::newRow("not cancelled") << -1;
    }
    void cancelledPrintout() {
        QFETCH(int, cancelAfterPage);
        const bool cancel = cancelAfterPage >= 0;
        GridDevice device(QSize(100, 60)); // four lines a page
        QList<PrintProgress> seen;
        const PrintOutcome outcome = printScript(
            device, 20, [](int i) { return QString::number(i); }, QStringLiteral("/s.txt"),
            [&](const PrintProgress &p) {
                seen << p;
                return !cancel || p.pagesDone <= cancelAfterPage;
            });
        QCOMPARE(outcome.cancelled, cancel);
        QCOMPARE(device.aborted, cancel);
        if (cancel) {
            QCOMPARE(device.drawn, QStringList());
            QCOMPARE(outcome.pages, cancelAfterPage + 1);
            QCOMPARE(seen.size(), 4 * cancelAfterPage + 1);
        } else {
            QCOMPARE(seen.size(), 20);
            QCOMPARE(outcome.pages, 7); // the trailer's five lines too
            QCOMPARE(seen.last().pagesEstimated, 7);
        }
    }

    // An abandoned job to a file leaves its folder as it was: the earlier file unchanged
    // and no temporary file.
    void abortedFileJobLeavesNothing() {
        const QString dir = sandbox->path(QStringLiteral("aborted"));
        QDir().mkpath(dir);
        const QString pdf = dir + QStringLiteral("/job.pdf");
        testsupport::writeBytes(pdf, testsupport::oldContent());
        const QStringList before = testsupport::entriesIn(dir);
        platform::Printers::scripted({pdf});
        f->ui().printSetupAction->trigger();
        QPainter painter;
        QVERIFY(platform::Printers::beginJob(painter, QStringLiteral("job.pdf")));
        painter.drawText(10, 10, QStringLiteral("Page one"));
        static_cast<QPagedPaintDevice *>(painter.device())->newPage();
        QCOMPARE(testsupport::entriesIn(dir).size(), 2); // the temporary file, meanwhile
        platform::Printers::abortJob(painter);
        QVERIFY(!painter.isActive());
        QCOMPARE(testsupport::entriesIn(dir), before);
        QCOMPARE(testsupport::readFile(pdf), testsupport::oldContent());
    }

    void longLineContinuesMidWord() {
        // One display line, longer than the editor reads a line at once.
        const QString word = QStringLiteral("abcdefghijklmnopqrstuvwxyz").repeated(200);
        f->ui().editor->setWordWrap(false);
        f->ui().editor->setText(word + QStringLiteral("\r\nnext"));
        const QString text = pdfText(print());
        QStringList lines = text.split(u'\n');
        const qsizetype next = lines.indexOf(QStringLiteral("next"));
        QVERIFY2(next > 1, qPrintable(text));
        // Several printed lines, which together are the whole word.
        QCOMPARE(lines.mid(0, next).join(QString()).remove(u' ').remove(u'\f'), word);
        QVERIFY(text.contains(QStringLiteral("2 Lines")));
    }

    void emptyScript() {
        platform::MessageBoxes::queueAnswer(platform::Answer::No);
        const QString refused = print();
        QCOMPARE(testsupport::shownTexts(), QStringList{"Nothing to print.. . print it anyway?"});
        QVERIFY(!QFile::exists(refused));

        f->settings().scriptPath = QStringLiteral("/scripts/news.txt");
        platform::MessageBoxes::queueAnswer(platform::Answer::Yes);
        const QString pdf = print();
        // One page: two single-space lines, the count, the path, one more space.
        QCOMPARE(pdfText(pdf).count(u'\f'), 1);
        const QList<Word> w = words(pdf);
        QCOMPARE(w.size(), 3);
        QCOMPARE(w[0].text + w[1].text + w[2].text, QStringLiteral("0Lines/scripts/news.txt"));
        const double top = platform::Printers::current().pageLayout().paintRectPoints().top();
        const double step = w[2].top - w[0].top;
        QCOMPARE(qRound((w[0].top - top) / step), 2);
    }

    void trailerInTwelvePointsAfterNew() {
        f->setEditorFontSize(24);
        f->settings().scriptPath = QStringLiteral("/scripts/old.txt");
        f->ui().editor->setText(QStringLiteral("Hello"));
        f->ui().editor->setModified(false);
        f->ui().newAction->trigger();
        QCOMPARE(f->settings().scriptPath, QStringLiteral("/scripts/old.txt"));
        f->ui().editor->setText(QStringLiteral("Hello"));
        const QString pdf = print();
        const QList<Word> w = words(pdf);
        QCOMPARE(w.size(), 4);
        QCOMPARE(w[3].text, QStringLiteral("/scripts/old.txt"));
        const double script = w[0].bottom - w[0].top;
        const double trailer = w[2].bottom - w[2].top;
        QVERIFY2(trailer > 0 && qAbs(script / trailer - 2.0) < 0.1,
                 qPrintable(QStringLiteral("%1 / %2").arg(script).arg(trailer)));
    }

    void noPrinterOffersPdf() {
        f->ui().editor->setText(QStringLiteral("One line"));
        const QString pdf = sandbox->path(QStringLiteral("fallback.pdf"));
        platform::MessageBoxes::queueAnswer(platform::Answer::No);
        f->ui().printAction->trigger();
        QVERIFY(platform::FileDialogs::requests().isEmpty());

        platform::MessageBoxes::queueAnswer(platform::Answer::Yes);
        platform::FileDialogs::queueAnswer(pdf);
        f->ui().printAction->trigger();
        QCOMPARE(testsupport::shownTexts(),
                 QStringList(2, "No printer is installed. Print to a PDF file instead?"));
        QCOMPARE(platform::FileDialogs::requests().first().fileName, QStringLiteral("script.pdf"));
        QVERIFY(pdfText(pdf).contains(QStringLiteral("One line")));
    }

    // A written PDF takes the permissions any file of the program gets: the umask's for a new
    // file, the old file's when it replaces one.
    void pdfPermissions_data() {
        QTest::addColumn<int>("umask");
        QTest::addColumn<int>("oldMode"); // -1: no file before
        QTest::addColumn<int>("mode");
        QTest::newRow("new, umask 022") << 022 << -1 << 0644;
        QTest::newRow("new, umask 027") << 027 << -1 << 0640;
        QTest::newRow("over a file of 0664") << 022 << 0664 << 0664;
    }
    void pdfPermissions() {
        QFETCH(int, umask);
        QFETCH(int, oldMode);
        QFETCH(int, mode);
        const QString pdf = sandbox->path(QStringLiteral("modes.pdf"));
        if (oldMode >= 0) {
            QVERIFY(testsupport::writeBytes(pdf, "old"));
            QVERIFY(::chmod(QFile::encodeName(pdf).constData(), mode_t(oldMode)) == 0);
        }
        const mode_t saved = ::umask(mode_t(umask));
        f->ui().editor->setText(QStringLiteral("Text"));
        platform::Printers::scripted({pdf});
        f->ui().printSetupAction->trigger();
        f->ui().printAction->trigger();
        ::umask(saved);
        struct stat written {};
        QCOMPARE(::stat(QFile::encodeName(pdf).constData(), &written), 0);
        QCOMPARE(int(written.st_mode & 07777), mode);
        QVERIFY(pdfText(pdf).contains(QStringLiteral("Text")));
    }

    void refusedJob_data() {
        QTest::addColumn<testsupport::Refusal>("how");
        QTest::newRow("parent is a file") << testsupport::Refusal::ParentIsFile;
        QTest::newRow("path is a folder") << testsupport::Refusal::PathIsFolder;
        QTest::newRow("folder missing") << testsupport::Refusal::FolderMissing;
        QTest::newRow("disk full over an old file") << testsupport::Refusal::DiskFull;
    }
    void refusedJob() {
        QFETCH(testsupport::Refusal, how);
        const QString dir = sandbox->path(QStringLiteral("refused"));
        QDir().mkpath(dir);
        const QString pdf = testsupport::refusedPath(dir, how, QStringLiteral("job.pdf"));
        const QStringList before = testsupport::entriesIn(dir);
        f->ui().editor->setText(QStringLiteral("Text"));
        platform::Printers::scripted({pdf});
        f->ui().printSetupAction->trigger();
        testsupport::attemptSave(how, [this] {
            f->ui().printAction->trigger();
            return true;
        });
        QCOMPARE(testsupport::shownTexts(), QStringList{"Cannot write " + pdf});
        QCOMPARE(testsupport::entriesIn(dir), before);
        if (how == testsupport::Refusal::DiskFull)
            QCOMPARE(testsupport::readFile(pdf), testsupport::oldContent());
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
