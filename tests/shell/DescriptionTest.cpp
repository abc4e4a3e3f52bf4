// The description window in the started program, its stored text and its printing.

#include "framework/ui/Canvas.h"
#include "framework/ui/MenuBarPresenter.h"
#include "shell/DescriptionText.h"
#include "shell/DescriptionWnd.h"
#include "tests/shell/StartupFixture.h"
#include "tests/support/PrintedPdf.h"

#include <QTextCursor>
#include <QTextEdit>
#include <cmath>

namespace {

constexpr int kNameLength = 8; // "Quorvane"
// The last word of each scale row's name, found nowhere else in the text.
const std::vector<std::string> kRowEnds{"z", "T", "IQ", "Equivalent", "Board", "Test"};

class DescriptionWndTest : public startuptest::LaunchedTest {
protected:
    void SetUp() override {
        LaunchedTest::SetUp();
        HandedOver();
    }
    static framework::TextArea& Opened() {
        ToFront(DescriptionWnd());
        return DescriptionWnd().DescribeFld2();
    }
    static void ExpectStoredTextWithOnlyTheNameBold(framework::TextArea& area) {
        ASSERT_EQ(area.Text(), DescriptionText());
        EXPECT_EQ(std::pair(area.SelStart(), area.SelLength()), std::pair(0, kNameLength));
        for (int position = 0; position < static_cast<int>(DescriptionText().size()); ++position) {
            area.SetSelStart(position);
            area.SetSelLength(1);
            ASSERT_EQ(area.SelBold(), position < kNameLength) << position;
        }
    }
};

QRect OnScreen(framework::TextArea& area, std::size_t position) {
    auto& edit = static_cast<QTextEdit&>(*area.Widget());
    QTextCursor cursor(edit.document());
    cursor.setPosition(static_cast<int>(position));
    return edit.cursorRect(cursor);
}

// The left edges of the mean, SD and range in the table row of a scale.
std::vector<int> ColumnsOnScreen(framework::TextArea& area, const std::string& rowEnd) {
    const std::string& text = DescriptionText();
    std::size_t cell = text.find(rowEnd + "\t");
    std::vector<int> lefts;
    for (const std::size_t end = text.find('\r', cell); (cell = text.find('\t', cell)) < end;) {
        cell = text.find_first_not_of('\t', cell);
        lefts.push_back(OnScreen(area, cell).left());
    }
    return lefts;
}

TEST_F(DescriptionWndTest, InfoPictureOpensOneWindowWithTheStoredTextAndItsTableInColumns) {
    class ControlWnd& converter = ControlWnd();
    QTest::mouseClick(converter.Canvas2().Widget(), Qt::LeftButton);
    auto* first = framework::GetImplicitWindow(DescriptionWnd::kClassName);
    ASSERT_NE(first, nullptr);
    framework::TextArea& area = DescriptionWnd().DescribeFld2();
    ExpectStoredTextWithOnlyTheNameBold(area);
    EXPECT_EQ(std::tuple(first->Title(), first->Width(), first->Height()),
              std::tuple("Description", 535, 450));

    // Tab stops line up in any font; the table's blanks and rules need one of fixed pitch.
    EXPECT_TRUE(QFontInfo(area.Widget()->font()).fixedPitch());
    const std::vector<int> columns = ColumnsOnScreen(area, "z");
    EXPECT_EQ(columns.size(), 3u);
    for (const std::string& rowEnd : kRowEnds) {
        EXPECT_EQ(ColumnsOnScreen(area, rowEnd), columns) << rowEnd;
    }
    const std::size_t header = DescriptionText().find("\rScore\t") + 1;
    EXPECT_EQ(OnScreen(area, header).top(),
              OnScreen(area, DescriptionText().find('\r', header)).top())
        << "the header, the table's widest line, stays on one line";

    // The empty area under it stays empty whatever reaches it.
    QTest::keyClicks(DescriptionWnd().DescribeFld().Widget(), "typed");
    EXPECT_EQ(DescriptionWnd().DescribeFld().Text(), "");

    TypeAtStart(area, "kept ");
    ToFront(converter);
    EXPECT_FALSE(framework::ChooseMenuItem("DescriptionMenuItem"));
    EXPECT_EQ(framework::GetImplicitWindow(DescriptionWnd::kClassName), first);
    EXPECT_TRUE(QTest::qWaitForWindowActive(first->TopLevelWidget()));
    EXPECT_EQ(area.Text(), "kept " + DescriptionText());
}

// The bold name stays selected, yet the selection shows only while the area has the focus.
// Edit > Clear deletes the selected text. Undo takes back the user's edits down to the text as
// built, bold name and all, and no further.
// Closing drops the edits; the next request builds the window anew.
TEST_F(DescriptionWndTest, SelectionShowsWithTheFocusUndoStopsAtTheBuiltTextClosingDropsEdits) {
    framework::TextArea& area = Opened();
    const QImage selected = area.Widget()->grab().toImage();
    area.SetSelLength(0);
    EXPECT_EQ(selected, area.Widget()->grab().toImage());
    area.SetSelLength(kNameLength);
    area.SetFocus();
    const QImage focused = area.Widget()->grab().toImage();
    const QColor highlight = area.Widget()->palette().color(QPalette::Active, QPalette::Highlight);
    const QRect name = OnScreen(area, 0).united(OnScreen(area, kNameLength));
    int highlighted = 0;
    for (int x = name.left(); x < name.right(); ++x) {
        highlighted += focused.pixelColor(x, name.top() + 1) == highlight ? 1 : 0;
    }
    EXPECT_GT(highlighted, name.width() / 2);

    EXPECT_FALSE(framework::ChooseMenuItem("EditUndo")) << "Undo before any edit";
    TypeAtStart(area, "undone\r");
    area.SetSelStart(0);
    area.SetSelLength(2);
    EXPECT_TRUE(framework::ChooseMenuItem("EditClear"));
    EXPECT_EQ(area.Text(), "done\r" + DescriptionText());
    EXPECT_TRUE(framework::ChooseMenuItem("EditUndo"));
    QTest::keyClick(area.Widget(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(area.Widget(), Qt::Key_Z, Qt::ControlModifier);
    area.SetSelLength(kNameLength);
    ExpectStoredTextWithOnlyTheNameBold(area);
    TypeAtStart(area, "lost ");
    DescriptionWnd().TopLevelWidget()->close();
    EXPECT_EQ(framework::GetImplicitWindow(DescriptionWnd::kClassName), nullptr);
    QApplication::processEvents();
    ExpectStoredTextWithOnlyTheNameBold(Opened());
}

// "Print", an item of no menu, reaches the window's binding by name. It prints the current text,
// edits included, into one block 540 points tall at the top of one page, whole lines only. A
// cancel prints nothing.
TEST_F(DescriptionWndTest, PrintsTheTextAsItStandsIntoOneBlockOfOnePage) {
    const std::string pdf = PrintIntoPdf();
    TypeAtStart(Opened(), "Edited ");
    EXPECT_FALSE(framework::ChooseMenuItem("Print"));
    const std::vector<guitest::PdfPage> pages = guitest::ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    const guitest::PdfPage& page = pages[0];
    ASSERT_TRUE(page.Find("z") && page.Find("T"));
    EXPECT_EQ(page.words[0].text + page.words[1].text, "EditedQuorvane");
    // The text runs on below the block: it prints, drawn and not only kept, as many whole lines
    // as the block holds, the last of them less than a line above the block's foot.
    const double pitch = page.Find("T")->top - page.Find("z")->top;
    const double lastLine = page.words.back().top - page.words[0].top;
    EXPECT_TRUE(lastLine + pitch <= 540.5 && lastLine + 2 * pitch > 540) << lastLine;
    EXPECT_TRUE(guitest::InkUnder(pdf, page.words.back()));
    // On paper too the table's cells line up, each scale's after the last word of its name.
    const auto cells = [&page](const std::string& rowEnd) {
        const guitest::PdfWord* name = page.Find(rowEnd);
        return name == nullptr || name + 3 > &page.words.back()
                   ? std::vector<long>{}
                   : std::vector{std::lround(name[1].left), std::lround(name[2].left),
                                 std::lround(name[3].left)};
    };
    for (const std::string& rowEnd : kRowEnds) {
        EXPECT_EQ(cells(rowEnd), cells("z")) << rowEnd;
    }
    EXPECT_EQ(cells("z").size(), 3u);
    // A text cut short enough to fit prints to its last character.
    auto& edit = static_cast<QTextEdit&>(*DescriptionWnd().DescribeFld2().Widget());
    edit.selectAll();
    QTest::keyClicks(&edit, "Short\rto the end");
    EXPECT_FALSE(framework::ChooseMenuItem("Print"));
    EXPECT_EQ(guitest::ReadPdf(pdf).at(0).words.back().text, "end");

    CancelPrinterDialogs();
    EXPECT_FALSE(framework::ChooseMenuItem("Print"));
    EXPECT_EQ(PrinterDialogCount(), 3);
}

} // namespace
