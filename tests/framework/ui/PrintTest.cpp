#include "framework/ui/Printing.h"
#include "tests/support/GuiTest.h"
#include "tests/support/PrintedPdf.h"

#include <QFont>
#include <QTextDocument>

namespace {

using PrintTest = guitest::GuiTest;

// A text that fits, one paragraph of many lines, is printed whole to its last character.
TEST_F(PrintTest, TextThatFitsIsPrintedToItsLastCharacter) {
    const std::string pdf = PrintIntoPdf();
    QStringList lines;
    for (int i = 1; i <= 30; ++i) {
        lines << QString("Line %1").arg(i);
    }
    QTextDocument text(lines.join(QChar::LineSeparator));
    text.setDefaultFont(QFont("DejaVu Sans", 12));
    framework::StyledTextPrinter(*framework::OpenPrinterDialog(), text, 540).DrawBlock(0, 0, 540);

    const std::vector<guitest::PdfPage> pages = guitest::ReadPdf(pdf); // one page
    EXPECT_EQ(guitest::LineNumbers(pages.at(0), "Line"), guitest::OneTo(30));
}

} // namespace
