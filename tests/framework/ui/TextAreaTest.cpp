// A styled text area built from its list: carriage returns as line breaks, the selection that
// SelBold makes bold, the monospaced font, and the column a printer lays out.

#include "framework/ui/TextArea.h"

#include "DemoWnd.h"
#include "tests/support/GuiTest.h"
#include "tests/support/PrintedPdf.h"

#include <QFontInfo>
#include <QTextCursor>
#include <QTextEdit>

namespace {

using framework::PropertyValue;

class TextAreaTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Journal() = {};
        DemoWnd().AddControl("DescribeFld2", DemoWnd().New<framework::TextArea>());
        area_ = framework::RuntimeCheckCast<framework::TextArea>(
            DemoWnd().ControlByName("DescribeFld2"));
        framework::SetProperties(*area_, framework::EncodePropertyList({
                                             {"Name", std::string("DescribeFld2")},
                                             {"Left", std::int64_t{-1}},
                                             {"Top", std::int64_t{-1}},
                                             {"Width", std::int64_t{302}},
                                             {"Height", std::int64_t{150}},
                                             {"Multiline", true},
                                             {"FontName", std::string("Courier")},
                                             {"FontSize", 12.0f},
                                             {"Value", std::string("Quorvane\r\rz\t\t0\r")},
                                             {"ReadOnly", false},
                                             {"InitialParent", std::string("")},
                                         }));
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        GuiTest::TearDown();
    }

    bool BoldAt(int position) const {
        QTextCursor cursor(static_cast<QTextEdit*>(area_->Widget())->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat().fontWeight() >= QFont::Bold;
    }

    framework::TextArea* area_ = nullptr;
};

TEST_F(TextAreaTest, CarriageReturnsAreLineBreaks) {
    EXPECT_EQ(static_cast<QTextEdit*>(area_->Widget())->document()->blockCount(), 4);
    EXPECT_EQ(area_->Text(), "Quorvane\r\rz\t\t0\r");
    EXPECT_TRUE(area_->MultiLine());
    EXPECT_EQ(area_->Left(), -1);
}

TEST_F(TextAreaTest, SelBoldMakesExactlyTheSelectionBold) {
    area_->SetSelStart(0);
    area_->SetSelLength(8);
    area_->SetSelBold(true);

    EXPECT_EQ(area_->SelStart(), 0);
    EXPECT_EQ(area_->SelLength(), 8);
    EXPECT_TRUE(area_->SelBold());
    for (int position = 0; position < 8; ++position) {
        EXPECT_TRUE(BoldAt(position)) << position;
    }
    EXPECT_FALSE(BoldAt(8));
    EXPECT_FALSE(BoldAt(10));
}

TEST_F(TextAreaTest, CourierIsMonospacedAtTwelvePixels) {
    const QFontInfo font(area_->Widget()->font());
    EXPECT_TRUE(font.fixedPitch());
    EXPECT_EQ(area_->Widget()->font().pixelSize(), 12);
}

TEST_F(TextAreaTest, PrintsTheCurrentStyledText) {
    area_->SetText("Printed words");
    const std::string pdf = PrintIntoPdf();
    {
        auto graphics = framework::OpenPrinterDialog();
        ASSERT_NE(graphics, nullptr);
        area_->styledTextPrinter(*graphics, 540).DrawBlock(0, 0, 540);
    }
    const auto pages = guitest::ReadPdf(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].Text(), "Printed words");
}

} // namespace
