#include "framework/ui/Printing.h"
#include "tests/support/GuiTest.h"
#include "tests/support/PrintedPdf.h"

#include <QFont>
#include <QTextDocument>
#include <algorithm>
#include <memory>
#include <numeric>
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

    // The numbers of the printed lines whose first word is prefix, in the order they print.
    static std::vector<int> LineNumbers(const PdfPage& page, const std::string& prefix = "Line") {
        std::vector<int> numbers;
        for (std::size_t i = 0; i + 1 < page.words.size(); ++i) {
            if (page.words[i].text == prefix) {
                numbers.push_back(std::stoi(page.words[i + 1].text));
            }
        }
        return numbers;
    }

    static std::vector<int> OneTo(int last) {
        std::vector<int> numbers(last);
        std::iota(numbers.begin(), numbers.end(), 1);
        return numbers;
    }

    static const PdfWord& Word(const PdfPage& page, const std::string& text) {
        return *std::find_if(page.words.begin(), page.words.end(),
                             [&](const PdfWord& word) { return word.text == text; });
    }

    static void ExpectWholeLinesIn540Points(const std::vector<PdfPage>& pages) {
        ASSERT_EQ(pages.size(), 1u);
        const std::vector<int> printed = LineNumbers(pages[0]);
        ASSERT_GT(printed.size(), 2u);
        EXPECT_EQ(printed, OneTo(static_cast<int>(printed.size())));
        // As many whole lines as 540 points hold, and not one more.
        const double pitch = Word(pages[0], "2").top - Word(pages[0], "1").top;
        EXPECT_LE(printed.size() * pitch, 540.0);
        EXPECT_GT((printed.size() + 1) * pitch, 540.0);
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
        ExpectWholeLinesIn540Points(guitest::ReadPdf(pdf));
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
    const std::vector<int> printed = LineNumbers(pages[0]);
    ASSERT_GT(printed.size(), 20u);
    EXPECT_EQ(printed, OneTo(static_cast<int>(printed.size())));
    const int half = static_cast<int>(printed.size()) / 2;
    const double firstTop = Word(pages[0], "1").top;
    const double secondTop = Word(pages[0], std::to_string(half + 1)).top;
    EXPECT_NEAR(secondTop - firstTop, 300.0, 1.0);
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
    const PdfWord& origin = Word(pages[0], "Left");
    const PdfWord& start = Word(pages[0], "Right");
    EXPECT_NEAR(start.left - origin.left, 216.0, 1.0);
    EXPECT_NEAR(start.top - origin.top, 72.0, 1.0);
    EXPECT_GT(Word(pages[0], "twelve").top, start.top) << "a two-inch column wraps the text";
    for (const PdfWord& word : pages[0].words) {
        EXPECT_LE(word.right - origin.left, 216.0 + 144.0) << word.text;
    }
}

} // namespace
