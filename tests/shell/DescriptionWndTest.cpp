#include "tests/shell/DescriptionWndTest.h"

#include "conversion/window/ControlWnd.h"
#include "framework/ui/Canvas.h"
#include "shell/DescriptionText.h"

#include <QImage>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <array>

namespace {

constexpr int kProductNameLength = 8; // "Quorvane"
// The names of the table's six scale rows; the mean, the SD and the range follow each after TABs.
constexpr std::array<const char*, 6> kScaleNames{"z",
                                                 "T",
                                                 "Wechsler IQ",
                                                 "Normal Curve Equivalent",
                                                 "College Entrance Exam Board",
                                                 "Army General Class Test"};

bool CharacterIsBold(framework::TextArea& area, int position) {
    area.SetSelStart(position);
    area.SetSelLength(1);
    return area.SelBold();
}

void ExpectStoredTextWithBoldName(framework::TextArea& area) {
    EXPECT_EQ(area.Text(), DescriptionText());
    EXPECT_EQ(area.SelStart(), 0);
    EXPECT_EQ(area.SelLength(), kProductNameLength);
    EXPECT_TRUE(area.SelBold());
}

TEST_F(DescriptionWndTest, InfoPictureThenMenuItemGiveOneWindowInFront) {
    class ControlWnd& converter = ControlWnd();
    ASSERT_TRUE(QTest::qWaitForWindowActive(converter.TopLevelWidget()));
    QTest::mouseClick(converter.Canvas2().Widget(), Qt::LeftButton);
    auto* first = framework::GetImplicitWindow(DescriptionWnd::kClassName);
    ASSERT_NE(first, nullptr);
    TypeAtStart(DescriptionWnd().DescribeFld2(), "kept ");

    converter.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(converter.TopLevelWidget()));
    EXPECT_FALSE(framework::ChooseMenuItem("DescriptionMenuItem"));

    EXPECT_EQ(framework::GetImplicitWindow(DescriptionWnd::kClassName), first);
    EXPECT_TRUE(QTest::qWaitForWindowActive(first->TopLevelWidget()));
    EXPECT_EQ(DescriptionWnd().DescribeFld2().Text().substr(0, 13), "kept Quorvane");
    const auto titles = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(titles.begin(), titles.end(),
                            [](const QWidget* w) { return w->windowTitle() == "Description"; }),
              1);
}

TEST_F(DescriptionWndTest, ShowsTheStoredTextWithOnlyTheProductNameBold) {
    framework::TextArea& area = Opened().DescribeFld2();
    ExpectStoredTextWithBoldName(area);
    const std::string text = area.Text();

    // From the line break after the name to the end, nothing is bold.
    for (int position = 0; position < static_cast<int>(text.size()); ++position) {
        ASSERT_EQ(CharacterIsBold(area, position), position < kProductNameLength) << position;
    }
}

// The bold name stays selected, yet the selection shows only while the area has the focus.
TEST_F(DescriptionWndTest, TheSelectionShowsOnlyWhileTheAreaHasTheFocus) {
    framework::TextArea& area = Opened().DescribeFld2();
    ASSERT_FALSE(area.HasFocus());
    const QImage selected = area.Widget()->grab().toImage();
    area.SetSelLength(0);
    EXPECT_EQ(selected, area.Widget()->grab().toImage());

    area.SetSelLength(kProductNameLength);
    area.SetFocus();
    const QImage focused = area.Widget()->grab().toImage();
    const QColor highlight = area.Widget()->palette().color(QPalette::Active, QPalette::Highlight);
    int highlighted = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            highlighted += focused.pixelColor(x, y) == highlight ? 1 : 0;
        }
    }
    EXPECT_GT(highlighted, 0);
    EXPECT_EQ(area.SelStart(), 0);
    EXPECT_EQ(area.SelLength(), kProductNameLength);
}

// The left edges of a scale row's name, mean, SD and range as the area draws them.
std::vector<int> ColumnsOnScreen(framework::TextArea& area, const std::string& name) {
    auto& edit = static_cast<QTextEdit&>(*area.Widget());
    const std::string text = area.Text();
    const auto left = [&edit](std::size_t position) {
        QTextCursor cursor(edit.document());
        cursor.setPosition(static_cast<int>(position));
        return edit.cursorRect(cursor).left();
    };
    const std::size_t start = text.find("\r" + name + "\t") + 1;
    const std::size_t end = text.find('\r', start);
    std::vector<int> lefts{left(start)};
    for (std::size_t cell = text.find('\t', start); cell < end; cell = text.find('\t', cell)) {
        cell = text.find_first_not_of('\t', cell);
        lefts.push_back(left(cell));
    }
    return lefts;
}

TEST_F(DescriptionWndTest, TableColumnsLineUpInTheMonospacedFont) {
    framework::TextArea& area = Opened().DescribeFld2();
    const QFontMetrics metrics = area.Widget()->fontMetrics();
    const std::vector<int> first = ColumnsOnScreen(area, kScaleNames[0]);
    ASSERT_EQ(first.size(), 4u);
    for (const char* name : kScaleNames) {
        const std::vector<int> columns = ColumnsOnScreen(area, name);
        EXPECT_EQ(columns, first) << name;
        // The longest name too is set apart from the mean by a visible blank.
        EXPECT_GE(columns[1] - columns[0],
                  metrics.horizontalAdvance(QString(name)) + metrics.horizontalAdvance(' ') / 2)
            << name;
    }
    // The header row, the widest line of the table, stays on one line.
    auto& edit = static_cast<QTextEdit&>(*area.Widget());
    const std::string text = area.Text();
    const std::size_t header = text.find("\rScore\t") + 1;
    const auto top = [&edit](std::size_t position) {
        QTextCursor cursor(edit.document());
        cursor.setPosition(static_cast<int>(position));
        return edit.cursorRect(cursor).top();
    };
    EXPECT_EQ(top(header), top(text.find('\r', header)));
}

TEST_F(DescriptionWndTest, ClosingDropsTheEditsAndTheNextRequestBuildsAnew) {
    TypeAtStart(Opened().DescribeFld2(), "lost ");
    EXPECT_NE(DescriptionWnd().DescribeFld2().Text(), DescriptionText());

    DescriptionWnd().TopLevelWidget()->close();
    EXPECT_EQ(framework::GetImplicitWindow(DescriptionWnd::kClassName), nullptr);
    QApplication::processEvents();

    class DescriptionWnd& reopened = Opened();
    ExpectStoredTextWithBoldName(reopened.DescribeFld2());
    EXPECT_NE(reopened.BoundMenuHandlers().Find("Print"), nullptr);
}

} // namespace
