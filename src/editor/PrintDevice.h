#pragma once

#include <QSize>
#include <QString>
#include <QStringView>

// What the line printer needs of a printer: the printable area and the measures of the
// current font in device units, and the drawing itself. Text is placed by its top-left
// corner. The printer and the tests each supply one.
class PrintDevice {
public:
    enum class Font {
        Script,  // the editor's font
        Trailer, // the editor's face, style and colour at 12 points
        Report,  // "Courier", 10 points
    };

    virtual ~PrintDevice() = default;

    // The printable area of a page, in device units.
    virtual QSize pageSize() const = 0;
    virtual void selectFont(Font font) = 0;
    virtual int textWidth(QStringView text) const = 0;
    // The height of any text in the current font (its character cell).
    virtual int textHeight() const = 0;
    virtual int averageCharWidth() const = 0;
    virtual void drawText(int x, int y, const QString &text) = 0;
    // Ends the current page and begins the next.
    virtual void newPage() = 0;
    // Abandons the job: nothing of it is kept (a printer's job is aborted, a file's is not
    // written). Nothing is drawn after it.
    virtual void abort() = 0;
};
