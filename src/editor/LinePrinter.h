#pragma once

#include <QString>
#include <QStringView>

class PrintDevice;

// Lays text out on printed pages line by line, in device units, as the script printout
// does: each page starts at the top-left corner of the printable area; text that does not
// fit before the right edge is broken at the last character that fits (in the middle of a
// word if need be) and goes on at the start of the next line; a tab moves to the next stop
// eight average characters apart; a form feed begins a new page; a carriage return is
// ignored and a line feed ends the line.
//
// A line's height is that of its tallest piece plus 2 units (the font's character height
// for a line on which nothing was drawn). A new page begins when a finished line leaves
// less than twice its height above the bottom. Pages are begun on the device only when
// something is drawn on them, so a job never ends in a blank page.
class LinePrinter {
public:
    explicit LinePrinter(PrintDevice &device);

    // Prints one text line and ends it.
    void printLine(QStringView text);
    // Pages drawn on so far (1 after the first piece of text).
    int pagesUsed() const { return m_pagesUsed; }

private:
    void printRun(QStringView run);
    void drawPiece(QStringView piece);
    void endLine();
    void newPage();
    // How many leading characters of text fit in `room` device units (at least 0).
    int fittingLength(QStringView text, int room) const;

    PrintDevice &m_device;
    int m_x = 0;
    int m_y = 0;
    int m_lineHeight = 0;
    int m_pendingPages = 0; // page breaks not yet begun on the device
    int m_pagesUsed = 0;
};
