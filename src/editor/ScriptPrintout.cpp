#include "editor/ScriptPrintout.h"

#include "editor/LinePrinter.h"
#include "editor/PrintDevice.h"

int printScript(PrintDevice &device, int count, const std::function<QString(int)> &line,
                const QString &lastFile) {
    LinePrinter printer(device);
    device.selectFont(PrintDevice::Font::Script);
    for (int i = 0; i < count; ++i)
        printer.printLine(line(i));
    device.selectFont(PrintDevice::Font::Trailer);
    const QString space = QStringLiteral(" ");
    printer.printLine(space);
    printer.printLine(space);
    printer.printLine(space + QString::number(count) + QStringLiteral(" Lines"));
    printer.printLine(space + lastFile);
    printer.printLine(space);
    return printer.pagesUsed();
}
