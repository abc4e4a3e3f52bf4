#include "framework/ui/Printing.h"
#include "tests/support/GuiTest.h"
#include "tests/support/PrintedPdf.h"

#include <QFont>
#include <QTextDocument>
#include <memory>
#include <string>
#include <vector>

namespace {

using guitest::PdfPage;
using guitest::PdfWord;

class PrintTest : public guitest::GuiTest {
protected:
    // Lines "<prefix> 1" to "<prefix> count" in a 12-point font, each its own paragraph unless
    // another separator is given.
    static std::unique_ptr<QTextDocument> Lines(int count, const QString& prefix = "Line",
                                                QChar separator = '\n') {
        QStringList lines;
        for (int i = 1; i <= count; ++i) {
            lines << QString("%1 %2").arg(prefix).arg(i);
        }
        auto text = std::make_unique<QTextDocument>();
        text->setDefaultFont(QFont("DejaVu Sans", 12));
        text->setPlainText(lines.join(separator));
        return text;
    }
};

TEST_F(PrintTest, TallTextIsCutAtTheBlockHeight) {
    // Paragraphs, and one paragraph of many lines, are cut alike.
    for (const QChar separator : {QChar('\n'), QChar(QChar::LineSeparator)}) {
        SCOPED_TRACE(static_cast<int>(separator.unicode()));
        const std::string pdf = PrintIntoPdf();
        const auto text = Lines(100, "Line", separator);
        {
            const auto graphics = framework::OpenPrinterDialog();
            framework::StyledTextPrinter printer(*graphics, *text, 540);
            printer.DrawBlock(0, 0, 540);
            EXPECT_FALSE(printer.Eof());
        }
        const std::vector<PdfPage> pages = guitest::ReadPdf(pdf);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_LT(guitest::ExpectWholeLinesIn(pages[0], "Line", 540), 100);
    }
}

TEST_F(PrintTest, NextBlockGoesOnWhereTheLastStopped) {
    const std::string pdf = PrintIntoPdf();
    const auto text = Lines(100);
    {
        const auto graphics = framework::OpenPrinterDialog();
        framework::StyledTextPrinter printer(*graphics, *text, 540);
        printer.DrawBlock(0, 0, 200);
        printer.DrawBlock(0, 300, 200);
    }

    const std::vector<PdfPage> pages = guitest::ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<int> printed = guitest::LineNumbers(pages[0], "Line");
    ASSERT_GT(printed.size(), 20u);
    EXPECT_EQ(printed, guitest::OneTo(static_cast<int>(printed.size())));
    const int half = static_cast<int>(printed.size()) / 2;
    const PdfWord* firstOfSecondBlock = pages[0].Find(std::to_string(half + 1));
    ASSERT_NE(firstOfSecondBlock, nullptr);
    EXPECT_NEAR(firstOfSecondBlock->top - pages[0].Find("1")->top, 300.0, 1.0);
}

TEST_F(PrintTest, BlocksArePlacedAndWrappedInPoints) {
    const std::string pdf = PrintIntoPdf();
    const auto left = Lines(1, "Left");
    auto right = std::make_unique<QTextDocument>();
    right->setDefaultFont(QFont("DejaVu Sans", 12));
    right->setPlainText("Right one two three four five six seven eight nine ten eleven twelve");
    {
        const auto graphics = framework::OpenPrinterDialog();
        framework::StyledTextPrinter leftPrinter(*graphics, *left, 540);
        EXPECT_FALSE(leftPrinter.Eof());
        leftPrinter.DrawBlock(0, 0, 540);
        EXPECT_TRUE(leftPrinter.Eof());
        framework::StyledTextPrinter(*graphics, *right, 144).DrawBlock(216, 72, 540);
    }

    const std::vector<PdfPage> pages = guitest::ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_TRUE(pages[0].Contains("Left") && pages[0].Contains("Right"));
    const PdfWord& origin = *pages[0].Find("Left");
    const PdfWord& start = *pages[0].Find("Right");
    EXPECT_NEAR(start.left - origin.left, 216.0, 1.0);
    EXPECT_NEAR(start.top - origin.top, 72.0, 1.0);
    ASSERT_TRUE(pages[0].Contains("twelve"));
    EXPECT_GT(pages[0].Find("twelve")->top, start.top) << "a two-inch column wraps the text";
    for (const PdfWord& word : pages[0].words) {
        EXPECT_LE(word.right - origin.left, 216.0 + 144.0) << word.text;
    }
}

} // namespace
