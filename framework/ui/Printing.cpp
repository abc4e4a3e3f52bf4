#include "framework/ui/Printing.h"

#include "framework/runtime/Exceptions.h"
#include "framework/ui/TestSeams.h"

#include <QAbstractTextDocumentLayout>
#include <QPrintDialog>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>

namespace framework {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kHair = 0.5; // device pixels

std::unique_ptr<QPrinter> PdfPrinter(const std::string& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    return printer;
}

// The bottom edges of the laid-out lines, top to bottom, in the layout's units.
std::vector<double> LineBottoms(const QTextDocument& text) {
    text.size(); // finishes the layout, which otherwise runs lazily
    std::vector<double> bottoms;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            bottoms.push_back(layout->position().y() + line.y() + line.height());
        }
    }
    return bottoms;
}

} // namespace

Graphics::Graphics(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {
    if (!painter_.begin(printer_.get())) {
        throw RuntimeException("The printer could not be opened: " +
                               printer_->outputFileName().toStdString());
    }
}

Graphics::~Graphics() {
    painter_.end();
}

double Graphics::DevicePixelsPerPoint() const {
    return printer_->resolution() / kPointsPerInch;
}

std::unique_ptr<Graphics> OpenPrinterDialog() {
    if (const auto& answer = seams::CurrentDialogSeams().printerDialog) {
        const std::optional<std::string> path = answer();
        return path ? std::make_unique<Graphics>(PdfPrinter(*path)) : nullptr;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get());
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return std::make_unique<Graphics>(std::move(printer));
}

StyledTextPrinter::StyledTextPrinter(Graphics& graphics, const QTextDocument& text, double width)
    : graphics_(&graphics), text_(text.clone()) {
    // Laying out on the printer itself gives the fonts the printer's metrics, as they will print.
    text_->documentLayout()->setPaintDevice(&graphics.Device());
    text_->setDocumentMargin(0);
    text_->setTextWidth(width * graphics.DevicePixelsPerPoint());
}

void StyledTextPrinter::DrawBlock(double x, double y, double height) {
    const double scale = graphics_->DevicePixelsPerPoint();
    const double start = drawnHeight_;
    const double end = BlockEnd(start, height * scale);
    const QRectF block(0, start, text_->textWidth(), end - start);

    QPainter& painter = graphics_->Painter();
    painter.save();
    painter.translate(x * scale, y * scale - start);
    painter.setClipRect(block);
    QAbstractTextDocumentLayout::PaintContext context;
    // The layout draws every line that touches its clip, and a PDF keeps even clipped text: a
    // hair's margin keeps out the lines that end where this block starts or start where it ends.
    context.clip = block.adjusted(0, kHair, 0, -kHair);
    context.palette.setColor(QPalette::Text, Qt::black);
    text_->documentLayout()->draw(&painter, context);
    painter.restore();

    drawnHeight_ = end;
}

bool StyledTextPrinter::Eof() const {
    const std::vector<double> bottoms = LineBottoms(*text_);
    return bottoms.empty() || drawnHeight_ >= bottoms.back();
}

double StyledTextPrinter::BlockEnd(double start, double height) const {
    const double limit = start + height;
    const std::vector<double> bottoms = LineBottoms(*text_);
    const auto past = std::upper_bound(bottoms.begin(), bottoms.end(), limit);
    // A line taller than the whole block is cut rather than held back for ever.
    if (past == bottoms.begin() || *std::prev(past) <= start) {
        return limit;
    }
    return *std::prev(past);
}

} // namespace framework
