// The converter window as its layout builds it: the window, the 27 controls in creation order at
// their places with their texts and fonts, the frame holding the raw group, and the order in
// which Tab visits the fields.

#include "ConverterWindowTest.h"
#include "framework/ui/Rectangle.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>

namespace {

using LayoutTest = ConverterWindowTest;

struct Expected {
    const char* name;
    int left, top, width, height;
    const char* text; // a label's text or a button's caption; "" for the others
    bool bold;
    int pixelSize; // 0: the application's default size
};

const Expected kControls[] = {
    {"Rectangle1", 50, 85, 430, 75, "", false, 0},
    {"rawFld", 70, 105, 80, 22, "", false, 12},
    {"rawmeanFld", 226, 105, 80, 22, "", false, 12},
    {"rawsdFld", 380, 105, 80, 22, "", false, 12},
    {"rawTxt", 70, 128, 80, 20, "raw score", true, 12},
    {"rawmeanTxt", 216, 128, 100, 20, "raw score mean", true, 12},
    {"rawsdTxt", 370, 128, 100, 20, "raw score sd", true, 12},
    {"ClearBtn", 417, 390, 70, 30, "Clear", false, 12},
    {"zFld", 70, 197, 80, 22, "", false, 12},
    {"tFld", 226, 197, 80, 22, "", false, 12},
    {"wechslerFld", 380, 197, 80, 22, "", false, 12},
    {"nceFld", 70, 259, 80, 22, "", false, 12},
    {"greFld", 226, 259, 80, 22, "", false, 12},
    {"CalculateBtn", 45, 390, 80, 30, "Calculate", false, 12},
    {"Canvas1", 11, 3, 510, 36, "", false, 0},
    {"StaticText1", 70, 219, 80, 20, "z score", true, 12},
    {"StaticText2", 226, 219, 80, 20, "T score", true, 12},
    {"StaticText3", 380, 219, 80, 20, "Wechsler IQ", true, 12},
    {"StaticText4", 70, 281, 80, 20, "NCE score", true, 12},
    {"StaticText5", 226, 281, 80, 20, "CEEB score", true, 12},
    {"percentileFld", 226, 320, 80, 22, "", false, 12},
    {"percentileTxt", 226, 343, 80, 20, "Percentile", true, 12},
    {"Canvas2", 250, 388, 32, 32, "", false, 0},
    {"cTxt", 11, 35, 510, 20, "Quorvane, by the Quorvane authors", false, 10},
    {"StaticText6", 380, 281, 80, 20, "AGCT score", true, 12},
    {"agctFld", 380, 259, 80, 22, "", false, 12},
    {"boundtext", 380, 320, 100, 28, "* held at the scale's limit", false, 0},
};

std::string TextOf(framework::Control& control) {
    if (auto* label = dynamic_cast<framework::Label*>(&control)) {
        return label->Value();
    }
    if (auto* button = dynamic_cast<framework::PushButton*>(&control)) {
        return button->Caption();
    }
    if (auto* field = dynamic_cast<framework::TextField*>(&control)) {
        return field->Text();
    }
    return "";
}

TEST_F(LayoutTest, WindowAndControlsStandAsTheListsPlaceThem) {
    EXPECT_EQ(w().Title(), "Quorvane");
    EXPECT_EQ(w().Width(), 535);
    EXPECT_EQ(w().Height(), 445);
    EXPECT_FALSE(w().Resizeable());
    const std::vector<framework::Control*> controls = w().Controls();
    ASSERT_EQ(controls.size(), std::size(kControls));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Expected& e = kControls[i];
        SCOPED_TRACE(e.name);
        ASSERT_EQ(controls[i]->Name(), e.name);
        auto& control = dynamic_cast<framework::RectControl&>(*controls[i]);
        EXPECT_EQ(control.Left(), e.left);
        EXPECT_EQ(control.Top(), e.top);
        EXPECT_EQ(control.Width(), e.width);
        EXPECT_EQ(control.Height(), e.height);
        EXPECT_EQ(TextOf(control), e.text);
        const QFont font = control.Widget()->font();
        EXPECT_EQ(font.bold(), e.bold);
        EXPECT_EQ(font.pixelSize(),
                  e.pixelSize == 0 ? QApplication::font().pixelSize() : e.pixelSize);
        EXPECT_EQ(control.Visible(), std::string(e.name) != "boundtext");
        if (dynamic_cast<framework::Label*>(&control) != nullptr) {
            const QRect needed = control.Widget()->fontMetrics().boundingRect(
                QRect(0, 0, e.width, 10 * e.height), Qt::TextWordWrap, e.text);
            EXPECT_LE(needed.width(), e.width);
            EXPECT_LE(needed.height(), e.height) << "the text fits its box";
        }
    }
    for (framework::RectControl* inside : std::initializer_list<framework::RectControl*>{
             &w().rawFld(), &w().rawmeanFld(), &w().rawsdFld(), &w().rawTxt(), &w().rawmeanTxt(),
             &w().rawsdTxt()}) {
        EXPECT_EQ(inside->Parent(), &w().Rectangle1()) << inside->Name();
    }
    EXPECT_TRUE(w().boundtext().MultiLine());
    EXPECT_EQ(static_cast<QLineEdit*>(w().zFld().Widget())->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
}

TEST_F(LayoutTest, TabVisitsTheTenFieldsInOrderAndSkipsButtonsAndPictures) {
    w().rawFld().SetFocus();
    std::vector<std::string> visited{"rawFld"};
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (framework::TextField* field : Fields()) {
            if (field->HasFocus()) {
                visited.push_back(field->Name());
            }
        }
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld",
                                                 "wechslerFld", "nceFld", "greFld", "percentileFld",
                                                 "agctFld", "rawFld"}));
}

// Saves the window after a calculation for a look at the layout, and checks the two things a
// broken drawing loses first: the frame's light edge and the title picture.
TEST_F(LayoutTest, ScreenshotAfterCalculationShowsFrameAndTitle) {
    Type(w().tFld(), "99");
    Click(w().CalculateBtn());
    const QImage shot = w().Content()->grab().toImage();
    w().TopLevelWidget()->grab().save("/tmp/quorvane-converter.png");

    EXPECT_EQ(shot.size(), QSize(535, 445));
    EXPECT_EQ(QColor(shot.pixel(51, 120)), QColor(0xCC, 0xCC, 0xCC));
    int titleInk = 0;
    for (int x = 11; x < 521; ++x) {
        titleInk += QColor(shot.pixel(x, 20)) != QColor(Qt::white) ? 1 : 0;
    }
    EXPECT_GT(titleInk, 0);
}

} // namespace
