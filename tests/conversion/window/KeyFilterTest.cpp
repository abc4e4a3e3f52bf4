// The key filters and the clearing rules, driven by real key events in the fields.

#include "ConverterWindowTest.h"

#include <QApplication>
#include <QClipboard>

namespace {

using KeyFilterTest = ConverterWindowTest;

struct FieldKeys {
    const char* name;
    bool period;
    bool minus;
    bool hidesNote; // whether Backspace or Delete after a calculation hides the range note
};

// rawFld comes first: it alone has the raw-score rule.
const FieldKeys kFieldKeys[] = {
    {"rawFld", true, false, false},        {"rawmeanFld", true, false, false},
    {"rawsdFld", true, false, false},      {"zFld", true, true, true},
    {"tFld", false, false, true},          {"wechslerFld", false, false, true},
    {"nceFld", false, false, true},        {"greFld", false, false, true},
    {"percentileFld", false, false, true}, {"agctFld", true, false, false},
};

framework::TextField& FieldNamed(const class ControlWnd& window, const char* name) {
    return dynamic_cast<framework::TextField&>(*window.ControlByName(name));
}

TEST_F(KeyFilterTest, DigitsPassAndOtherKeysBeepUnlessTheFieldAdmitsThem) {
    for (const FieldKeys& c : kFieldKeys) {
        SCOPED_TRACE(c.name);
        framework::TextField& field = FieldNamed(w(), c.name);
        const int beepsBefore = BeepCount();
        Type(field, "0123456789aZ ,+-..");
        const std::string expected =
            std::string("0123456789") + (c.minus ? "-" : "") + (c.period ? ".." : "");
        EXPECT_EQ(field.Text(), expected);
        EXPECT_EQ(BeepCount() - beepsBefore, 5 + (c.minus ? 0 : 1) + (c.period ? 0 : 2));
    }
}

TEST_F(KeyFilterTest, BeforeACalculationEraseKeysActOnlyInTheirField) {
    for (const FieldKeys& c : kFieldKeys) {
        if (std::string(c.name) == "rawFld") {
            continue;
        }
        SCOPED_TRACE(c.name);
        FillEveryField("12");
        framework::TextField& field = FieldNamed(w(), c.name);
        Press(field, Qt::Key_End);
        Press(field, Qt::Key_Backspace);
        for (framework::TextField* other : Fields()) {
            EXPECT_EQ(other->Text(), other == &field ? "1" : "12") << other->Name();
        }
    }
}

TEST_F(KeyFilterTest, AfterACalculationEraseKeysEmptyEveryOtherField) {
    for (const FieldKeys& c : kFieldKeys) {
        if (std::string(c.name) == "rawFld") {
            continue;
        }
        for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete}) {
            SCOPED_TRACE(std::string(c.name) + (key == Qt::Key_Delete ? " Delete" : " Backspace"));
            FillEveryField("12");
            Module1::dirty = "yes";
            w().boundtext().SetVisible(true);
            framework::TextField& field = FieldNamed(w(), c.name);
            Press(field, Qt::Key_Home);
            Press(field, key);
            for (framework::TextField* other : Fields()) {
                const std::string expected = other != &field         ? ""
                                             : key == Qt::Key_Delete ? "2"
                                                                     : "12";
                EXPECT_EQ(other->Text(), expected) << other->Name();
            }
            EXPECT_EQ(w().boundtext().Visible(), !c.hidesNote);
            EXPECT_EQ(Module1::dirty, "yes");
        }
    }
}

TEST_F(KeyFilterTest, AfterACalculationADigitEmptiesNothingOutsideTheRawScore) {
    FillEveryField("5");
    Module1::dirty = "yes";
    Type(w().tFld(), "7");
    for (framework::TextField* field : Fields()) {
        EXPECT_EQ(field->Text(), field == &w().tFld() ? "57" : "5") << field->Name();
    }
}

TEST_F(KeyFilterTest, RawScoreEraseKeysAlwaysEmptyTheStandardScoresAndKeepMeanAndSd) {
    for (const char* dirty : {"", "no", "yes"}) {
        SCOPED_TRACE(dirty);
        FillEveryField("12");
        Module1::dirty = dirty;
        w().boundtext().SetVisible(true);
        Press(w().rawFld(), Qt::Key_Backspace);
        for (framework::TextField* field : Fields()) {
            const bool raw =
                field == &w().rawFld() || field == &w().rawmeanFld() || field == &w().rawsdFld();
            EXPECT_EQ(field->Text(), field == &w().rawFld() ? "1"
                                     : raw                  ? "12"
                                                            : "")
                << field->Name();
        }
        EXPECT_TRUE(w().boundtext().Visible());
    }
}

TEST_F(KeyFilterTest, AfterACalculationEveryRawScoreKeyEmptiesTheStandardScoresEvenARefusedOne) {
    FillEveryField("12");
    Type(w().rawFld(), "3");
    EXPECT_EQ(w().zFld().Text(), "12");

    Module1::dirty = "yes";
    Type(w().rawFld(), "x");
    EXPECT_EQ(BeepCount(), 1);
    EXPECT_EQ(w().rawFld().Text(), "123");
    EXPECT_EQ(w().rawmeanFld().Text(), "12");
    EXPECT_EQ(w().rawsdFld().Text(), "12");
    for (framework::TextField* field : {&w().zFld(), &w().tFld(), &w().wechslerFld(), &w().nceFld(),
                                        &w().greFld(), &w().percentileFld(), &w().agctFld()}) {
        EXPECT_EQ(field->Text(), "") << field->Name();
    }
}

TEST_F(KeyFilterTest, TheFormStaysDirtyUntilClearWhichEmptiesItAndFocusesTheRawScore) {
    FillEveryField("12");
    Module1::dirty = "yes";
    Press(w().zFld(), Qt::Key_Backspace);
    Type(w().tFld(), "60");
    Press(w().zFld(), Qt::Key_Backspace);
    EXPECT_EQ(w().tFld().Text(), "");

    FillEveryField("12");
    w().boundtext().SetVisible(true);
    w().tFld().SetFocus();
    Click(w().ClearBtn());
    for (framework::TextField* field : Fields()) {
        EXPECT_EQ(field->Text(), "") << field->Name();
    }
    EXPECT_EQ(Module1::dirty, "no");
    EXPECT_FALSE(w().boundtext().Visible());
    EXPECT_TRUE(w().rawFld().HasFocus());
    EXPECT_TRUE(w().rawTxt().Visible());

    w().tFld().SetText("60");
    w().zFld().SetText("1");
    Press(w().zFld(), Qt::Key_Backspace);
    EXPECT_EQ(w().tFld().Text(), "60");
}

TEST_F(KeyFilterTest, APasteIsNotFiltered) {
    FillEveryField("12");
    Module1::dirty = "yes";
    w().percentileFld().SetText("");
    QApplication::clipboard()->setText("98.9998");
    QTest::keyClick(w().percentileFld().Widget(), Qt::Key_V, Qt::ControlModifier);

    EXPECT_EQ(w().percentileFld().Text(), "98.9998");
    EXPECT_EQ(w().zFld().Text(), "12");
    EXPECT_EQ(BeepCount(), 0);
}

} // namespace
