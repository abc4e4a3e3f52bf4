#include "tests/shell/DescriptionWndTest.h"
#include "tests/support/PrintedPdf.h"

#include <QFile>
#include <algorithm>
#include <vector>

namespace {

using guitest::PdfPage;
using guitest::PdfWord;

class DescriptionPrintTest : public DescriptionWndTest {
protected:
    // Chooses "Print" with the description window in front and reads back what it printed.
    std::vector<PdfPage> PrintedPages() {
        pdf_ = PrintIntoPdf();
        Opened();
        EXPECT_FALSE(framework::ChooseMenuItem("Print"));
        EXPECT_EQ(PrinterDialogCount(), 1);
        return guitest::ReadPdf(pdf_);
    }

    std::string pdf_;
};

// No item of the menu bar carries the name "Print"; the window's binding is reached by name.
TEST_F(DescriptionPrintTest, PrintsTheCurrentTextWithTheUsersEditsOnOnePage) {
    EXPECT_EQ(Menu()->Lookup("Print"), nullptr);
    TypeAtStart(Opened().DescribeFld2(), "Edited ");

    const std::vector<PdfPage> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_GE(pages[0].words.size(), 2u);
    EXPECT_EQ(pages[0].words[0].text, "Edited");
    EXPECT_EQ(pages[0].words[1].text, "Quorvane");
    EXPECT_TRUE(pages[0].Contains("Possible"));
    // The text that can be searched and copied is the text that shows, to its last line.
    EXPECT_TRUE(guitest::InkUnder(pdf_, pages[0].words.back())) << pages[0].words.back().text;
}

TEST_F(DescriptionPrintTest, TableColumnsLineUpOnPaper) {
    const std::vector<PdfPage> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<PdfWord>& words = pages[0].words;
    // Each scale name ends in a word found nowhere else; its mean, SD and range follow it.
    std::vector<double> firstRow;
    for (const char* lastOfName : {"z", "T", "IQ", "Equivalent", "Board", "Test"}) {
        const auto name = std::find_if(words.begin(), words.end(), [&](const PdfWord& word) {
            return word.text == lastOfName;
        });
        ASSERT_GT(std::distance(name, words.end()), 3) << lastOfName;
        const std::vector<double> row{name[1].left, name[2].left, name[3].left};
        if (firstRow.empty()) {
            firstRow = row;
        }
        for (std::size_t column = 0; column < row.size(); ++column) {
            EXPECT_NEAR(row[column], firstRow[column], 0.5) << lastOfName << " column " << column;
        }
    }
}

TEST_F(DescriptionPrintTest, TallTextIsCutAt540PointsOnOnePage) {
    std::string rows;
    for (int row = 1; row <= 120; ++row) {
        rows += "Row " + std::to_string(row) + (row < 120 ? "\r" : "");
    }
    Opened().DescribeFld2().SetText(rows);

    const std::vector<PdfPage> pages = PrintedPages();
    ASSERT_EQ(pages.size(), 1u);
    const int printed = guitest::ExpectWholeLinesIn(pages[0], "Row", 540);
    EXPECT_LT(printed, 120);
    EXPECT_EQ(pages[0].words.size(), 2u * static_cast<std::size_t>(printed));
}

TEST_F(DescriptionPrintTest, CancelledDialogPrintsAndShowsNothing) {
    const std::string pdf = PrintIntoPdf();
    CancelPrinterDialogs();

    Opened();
    EXPECT_FALSE(framework::ChooseMenuItem("Print"));

    EXPECT_EQ(PrinterDialogCount(), 1);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
    EXPECT_TRUE(TakeMessages().empty());
}

} // namespace
