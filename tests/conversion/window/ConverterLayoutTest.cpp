// The converter window as its layout builds it: the window, the 27 controls in creation order at
// their places with their texts, fonts and colours, the frame holding the raw group, the order
// in which Tab visits the fields, and what a grab of it shows.

#include "ConverterWindowTest.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Picture.h"
#include "framework/ui/Rectangle.h"
#include "shell/Pictures.h"

#include <QImage>
#include <QLineEdit>
#include <QPainter>

namespace {

using LayoutTest = ConverterWindowTest;

struct Expected {
    const char* name;
    int left, top, width, height;
    const char* text; // a label's text or a button's caption; "" for the others
    int font;         // the pixel size, negative when bold; 0: the application's default
};

const Expected kControls[] = {{"Rectangle1", 50, 85, 430, 75, "", 0},
                              {"rawFld", 70, 105, 80, 22, "", 12},
                              {"rawmeanFld", 226, 105, 80, 22, "", 12},
                              {"rawsdFld", 380, 105, 80, 22, "", 12},
                              {"rawTxt", 70, 128, 80, 20, "raw score", -12},
                              {"rawmeanTxt", 216, 128, 100, 20, "raw score mean", -12},
                              {"rawsdTxt", 370, 128, 100, 20, "raw score sd", -12},
                              {"ClearBtn", 417, 390, 70, 30, "Clear", 12},
                              {"zFld", 70, 197, 80, 22, "", 12},
                              {"tFld", 226, 197, 80, 22, "", 12},
                              {"wechslerFld", 380, 197, 80, 22, "", 12},
                              {"nceFld", 70, 259, 80, 22, "", 12},
                              {"greFld", 226, 259, 80, 22, "", 12},
                              {"CalculateBtn", 45, 390, 80, 30, "Calculate", 12},
                              {"Canvas1", 11, 3, 510, 36, "", 0},
                              {"StaticText1", 70, 219, 80, 20, "z score", -12},
                              {"StaticText2", 226, 219, 80, 20, "T score", -12},
                              {"StaticText3", 380, 219, 80, 20, "Wechsler IQ", -12},
                              {"StaticText4", 70, 281, 80, 20, "NCE score", -12},
                              {"StaticText5", 226, 281, 80, 20, "CEEB score", -12},
                              {"percentileFld", 226, 320, 80, 22, "", 12},
                              {"percentileTxt", 226, 343, 80, 20, "Percentile", -12},
                              {"Canvas2", 250, 388, 32, 32, "", 0},
                              {"cTxt", 11, 35, 510, 20, "Quorvane, by the Quorvane authors", 10},
                              {"StaticText6", 380, 281, 80, 20, "AGCT score", -12},
                              {"agctFld", 380, 259, 80, 22, "", 12},
                              {"boundtext", 380, 320, 100, 28, "* held at the scale's limit", 0}};

std::string TextOf(framework::Control& control) {
    if (auto* label = dynamic_cast<framework::Label*>(&control)) {
        return label->Value();
    }
    auto* button = dynamic_cast<framework::PushButton*>(&control);
    return button != nullptr ? button->Caption() : "";
}

// The window keeps its size; the fields are black on white as their lists say, whatever the
// desktop's theme; a label's text fits its box.
TEST_F(LayoutTest, WindowAndControlsStandAsTheListsPlaceThem) {
    EXPECT_EQ(w().Title(), "Quorvane");
    w().TopLevelWidget()->resize(300, 200); // as a drag of its edge would, were it resizeable
    EXPECT_EQ(QSize(w().Width(), w().Height()), QSize(535, 445));
    EXPECT_FALSE(w().Resizeable());
    const std::vector<framework::Control*> controls = w().Controls();
    ASSERT_EQ(controls.size(), std::size(kControls));
    const std::vector<framework::Control*> accessed{
        &w().Rectangle1(),    &w().rawFld(),        &w().rawmeanFld(),  &w().rawsdFld(),
        &w().rawTxt(),        &w().rawmeanTxt(),    &w().rawsdTxt(),    &w().ClearBtn(),
        &w().zFld(),          &w().tFld(),          &w().wechslerFld(), &w().nceFld(),
        &w().greFld(),        &w().CalculateBtn(),  &w().Canvas1(),     &w().StaticText1(),
        &w().StaticText2(),   &w().StaticText3(),   &w().StaticText4(), &w().StaticText5(),
        &w().percentileFld(), &w().percentileTxt(), &w().Canvas2(),     &w().cTxt(),
        &w().StaticText6(),   &w().agctFld(),       &w().boundtext()};
    EXPECT_EQ(accessed, controls) << "each control's accessor reaches it by its name";
    constexpr auto kButtons =
        Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    EXPECT_EQ(w().TopLevelWidget()->windowFlags() & kButtons,
              Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Expected& e = kControls[i];
        SCOPED_TRACE(e.name);
        ASSERT_EQ(controls[i]->Name(), e.name);
        auto& control = dynamic_cast<framework::RectControl&>(*controls[i]);
        EXPECT_EQ(QRect(control.Left(), control.Top(), control.Width(), control.Height()),
                  QRect(e.left, e.top, e.width, e.height));
        EXPECT_EQ(TextOf(control), e.text);
        const QFont font = control.Widget()->font();
        EXPECT_EQ(font.bold(), e.font < 0);
        EXPECT_EQ(font.pixelSize(),
                  e.font == 0 ? QApplication::font().pixelSize() : std::abs(e.font));
        EXPECT_EQ(control.Visible(), std::string(e.name) != "boundtext");
        if (auto* field = dynamic_cast<QLineEdit*>(control.Widget())) {
            EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::black));
            EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
            EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        }
        if (dynamic_cast<framework::Label*>(&control) != nullptr) {
            const QRect needed = control.Widget()->fontMetrics().boundingRect(
                QRect(0, 0, e.width, 10 * e.height), Qt::TextWordWrap, e.text);
            EXPECT_LE(needed.width(), e.width);
            EXPECT_LE(needed.height(), e.height);
        }
        EXPECT_EQ(control.Parent() == &w().Rectangle1(), i >= 1 && i <= 6);
    }
    EXPECT_TRUE(w().boundtext().MultiLine());
}

// Tab follows TabIndex, not the order of creation: z moved behind AGCT is visited last. A field
// that is no Tab stop is skipped, yet a click still puts the focus in it.
TEST_F(LayoutTest, TabVisitsTheTenFieldsInOrderAndSkipsButtonsAndPictures) {
    const auto visit = [](int stops) {
        w().rawFld().SetFocus();
        std::string visited;
        for (int i = 0; i <= stops; ++i) {
            for (const char* name : kFieldNames) {
                visited += Field(name).HasFocus() ? std::string(name) + " " : "";
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        return visited;
    };
    EXPECT_EQ(visit(10), "rawFld rawmeanFld rawsdFld zFld tFld wechslerFld nceFld greFld "
                         "percentileFld agctFld rawFld ");
    w().zFld().SetTabIndex(25);
    w().tFld().SetTabStop(false);
    EXPECT_EQ(visit(9), "rawFld rawmeanFld rawsdFld wechslerFld nceFld greFld percentileFld "
                        "agctFld zFld rawFld ");
    QTest::mouseClick(w().tFld().Widget(), Qt::LeftButton);
    EXPECT_TRUE(w().tFld().HasFocus());
}

// The title picture shows as its file has it on the window's white; a result shows in its field
// (white text on the white field would not). The raw group's frame has light top and left edges
// and dark bottom and right ones drawn over them.
TEST_F(LayoutTest, AGrabShowsTheTitlePictureAndTheResults) {
    const QRect percentile(228, 323, 76, 16);
    const QImage before = w().Content()->grab().toImage().copy(percentile);
    QTest::keyClicks(w().tFld().Widget(), "90");
    Click(w().CalculateBtn());
    const QImage shot = w().Content()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage title(510, 36, QImage::Format_RGB32);
    title.fill(Qt::white);
    QPainter(&title).drawImage(0, 0, QVRtitle()->Image());
    EXPECT_EQ(shot.copy(11, 3, 510, 36), title);
    EXPECT_NE(shot.copy(percentile), before.convertToFormat(QImage::Format_RGB32));
    const auto colour = [&shot](int x, int y) {
        return shot.pixelColor(x, y).name().toStdString();
    };
    EXPECT_EQ(colour(50, 85) + colour(51, 157) + colour(300, 86) + colour(479, 85) +
                  colour(50, 159) + colour(478, 120),
              "#cccccc#cccccc#cccccc#666666#666666#666666");
}

} // namespace
