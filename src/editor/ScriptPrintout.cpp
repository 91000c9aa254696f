#include "editor/ScriptPrintout.h"

#include "editor/LinePrinter.h"
#include "editor/PrintDevice.h"

#include <algorithm>

namespace {

// The trailer's five lines count as lines of the job.
constexpr int kTrailerLines = 5;

// Pages for `lines` lines: from the pages the finished ones took once a page is full, before
// that from the height of a line of the script font (a line breaks the page when it leaves
// less than two lines' height below it).
class PageEstimate {
public:
    PageEstimate(const PrintDevice &device, int lines) : m_lines(lines) {
        const int lineHeight = std::max(1, device.textHeight() + 2);
        const int perPage =
            std::max(1, (device.pageSize().height() - 2 * lineHeight) / lineHeight + 1);
        m_estimate = std::max(1, (lines + perPage - 1) / perPage);
    }

    // After `linesDone` lines, the `pagesDone`th page being the one under way.
    int update(int linesDone, int pagesDone) {
        if (pagesDone != m_pagesSeen) {
            m_pagesSeen = pagesDone;
            // The lines before this one filled the pages before this one.
            if (pagesDone > 1 && linesDone > 1) {
                const long long full = pagesDone - 1;
                m_estimate = int((full * m_lines + linesDone - 2) / (linesDone - 1));
            }
        }
        m_estimate = std::max(m_estimate, pagesDone);
        return m_estimate;
    }

private:
    int m_lines;
    int m_estimate = 1;
    int m_pagesSeen = 0;
};

} // namespace

PrintOutcome printScript(PrintDevice &device, int count, const std::function<QString(int)> &line,
                         const QString &lastFile, const PrintProgressCallback &progress) {
    LinePrinter printer(device);
    device.selectFont(PrintDevice::Font::Script);
    PageEstimate estimate(device, count + kTrailerLines);
    for (int i = 0; i < count; ++i) {
        printer.printLine(line(i));
        if (!progress)
            continue;
        const PrintProgress now{i + 1, count, printer.pagesUsed(),
                                estimate.update(i + 1, printer.pagesUsed())};
        if (!progress(now)) {
            device.abort();
            return {printer.pagesUsed(), true};
        }
    }
    device.selectFont(PrintDevice::Font::Trailer);
    const QString space = QStringLiteral(" ");
    printer.printLine(space);
    printer.printLine(space);
    printer.printLine(space + QString::number(count) + QStringLiteral(" Lines"));
    printer.printLine(space + lastFile);
    printer.printLine(space);
    return {printer.pagesUsed(), false};
}
