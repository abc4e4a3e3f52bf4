#include "framework/ui/Printing.h"

#include "framework/core/runtime/Exceptions.h"
#include "framework/ui/TestSeams.h"

#include <QAbstractTextDocumentLayout>
#include <QPrintDialog>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <algorithm>

namespace framework {

namespace {

constexpr double kPointsPerInch = 72.0;

std::unique_ptr<QPrinter> PdfPrinter(const std::string& path) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    return printer;
}

// A line as laid out: its top and bottom edges in the layout's units, and the position of its
// first character in the text.
struct LaidOutLine {
    double top;
    double bottom;
    int position;
};

std::vector<LaidOutLine> LinesOf(const QTextDocument& text) {
    text.size(); // finishes the layout, which otherwise runs lazily
    std::vector<LaidOutLine> lines;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const double top = layout->position().y() + line.y();
            lines.push_back({top, top + line.height(), block.position() + line.textStart()});
        }
    }
    return lines;
}

// The order of upper_bound: whether a line ends below the edge.
bool EndsBelow(double edge, const LaidOutLine& line) {
    return edge < line.bottom;
}

// Laying out on the printer itself gives the fonts the printer's metrics, as they will print.
void LayOut(QTextDocument& text, QPaintDevice& device, double width) {
    text.documentLayout()->setPaintDevice(&device);
    text.setDocumentMargin(0);
    text.setTextWidth(width);
}

// A copy laid out like the text that keeps the characters from one position up to another. A
// cut at the start of a paragraph takes the break before it too, so no empty line is left.
std::unique_ptr<QTextDocument> Excerpt(const QTextDocument& text, QPaintDevice& device, int from,
                                       int to) {
    std::unique_ptr<QTextDocument> excerpt(text.clone());
    LayOut(*excerpt, device, text.textWidth());
    QTextCursor cursor(excerpt.get());
    cursor.setPosition(to);
    if (cursor.atBlockStart() && to > from) {
        cursor.setPosition(to - 1);
    }
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.setPosition(0);
    cursor.setPosition(from, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    return excerpt;
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
    LayOut(*text_, graphics.Device(), width * graphics.DevicePixelsPerPoint());
}

// A PDF keeps the text of every line that is drawn, even where the clip hides it: the block is
// drawn from an excerpt that holds only its own lines.
void StyledTextPrinter::DrawBlock(double x, double y, double height) {
    const double scale = graphics_->DevicePixelsPerPoint();
    const double start = drawnHeight_;
    drawnHeight_ = BlockEnd(start, height * scale);
    const std::vector<LaidOutLine> lines = LinesOf(*text_);
    const auto first = std::upper_bound(lines.begin(), lines.end(), start, EndsBelow);
    auto stop = std::upper_bound(first, lines.end(), drawnHeight_, EndsBelow);
    if (stop == first && stop != lines.end()) {
        ++stop; // a line taller than the whole block, cut by the clip
    }
    if (first == stop) {
        return;
    }
    const auto block = Excerpt(*text_, graphics_->Device(), first->position,
                               stop == lines.end() ? text_->characterCount() - 1 : stop->position);

    QPainter& painter = graphics_->Painter();
    painter.save();
    painter.translate(x * scale, y * scale);
    painter.setClipRect(QRectF(0, 0, text_->textWidth(), drawnHeight_ - start));
    painter.translate(0, first->top - start - LinesOf(*block).front().top);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    block->documentLayout()->draw(&painter, context);
    painter.restore();
}

bool StyledTextPrinter::Eof() const {
    const std::vector<LaidOutLine> lines = LinesOf(*text_);
    return lines.empty() || drawnHeight_ >= lines.back().bottom;
}

double StyledTextPrinter::BlockEnd(double start, double height) const {
    const double limit = start + height;
    const std::vector<LaidOutLine> lines = LinesOf(*text_);
    const auto past = std::upper_bound(lines.begin(), lines.end(), limit, EndsBelow);
    // A line taller than the whole block is cut rather than held back for ever.
    if (past == lines.begin() || std::prev(past)->bottom <= start) {
        return limit;
    }
    return std::prev(past)->bottom;
}

} // namespace framework
