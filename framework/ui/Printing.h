#pragma once

// Printing styled text: the printer dialog gives a page to draw on (Graphics), and a
// StyledTextPrinter lays a copy of a text out in a column and draws it block by block. Positions
// and sizes are in points (1/72 inch) from the top-left of the page's printable area. The page is
// finished and sent when its Graphics is released.

#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <memory>

namespace framework {

class Graphics {
public:
    // Starts drawing on the printer's first page; throws RuntimeException when the printer
    // cannot be opened.
    explicit Graphics(std::unique_ptr<QPrinter> printer);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    QPainter& Painter() { return painter_; }
    QPaintDevice& Device() { return *printer_; }
    double DevicePixelsPerPoint() const;

private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
};

// The system print dialog; nullptr when the user cancels it.
std::unique_ptr<Graphics> OpenPrinterDialog();

class StyledTextPrinter {
public:
    // Lays out a copy of the text, so later edits of the original do not change what prints.
    StyledTextPrinter(Graphics& graphics, const QTextDocument& text, double width);

    // Draws the next block of the column, at most height points of it, at x, y. Only whole lines
    // that fit are drawn, and the page's text holds those alone; the first line that does not fit
    // starts the next block.
    void DrawBlock(double x, double y, double height);

    // Whether every line has been drawn (EOF in the framework's own terms; the macro of that
    // name forbids the spelling).
    bool Eof() const;

private:
    double BlockEnd(double start, double height) const;

    Graphics* graphics_;
    std::unique_ptr<QTextDocument> text_;
    double drawnHeight_ = 0;
};

} // namespace framework
