// The key filters and the clearing rules, driven by real key events in the fields.

#include "ConverterWindowTest.h"

#include <span>

namespace {

using KeyFilterTest = ConverterWindowTest;

struct FieldKeys {
    const char* name;
    bool period;
    bool minus;
    bool hidesNote; // whether an erase key after a calculation hides the range note
    bool standard;  // a standard score, where any edit after a calculation clears too
};

// rawFld comes first: it alone has the raw-score rule.
const FieldKeys kFieldKeys[] = {
    {"rawFld", true, false, false, false},       {"rawmeanFld", true, false, false, false},
    {"rawsdFld", true, false, false, false},     {"zFld", true, true, true, true},
    {"tFld", false, false, true, true},          {"wechslerFld", false, false, true, true},
    {"nceFld", false, false, true, true},        {"greFld", false, false, true, true},
    {"percentileFld", false, false, true, true}, {"agctFld", true, false, false, true},
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
        EXPECT_EQ(field.Text(),
                  std::string("0123456789") + (c.minus ? "-" : "") + (c.period ? ".." : ""));
        EXPECT_EQ(BeepCount() - beepsBefore, 5 + (c.minus ? 0 : 1) + (c.period ? 0 : 2));
    }
}

// Outside the raw score, an erase key empties the other fields only after a calculation; so does
// a digit in a standard score, while in the raw mean and sd it does not. A key that changes no
// text empties nothing.
TEST_F(KeyFilterTest, EraseKeysEmptyTheOtherFieldsOnlyAfterACalculation) {
    for (const FieldKeys& c : std::span(kFieldKeys).subspan(1)) {
        for (const char* dirty : {"no", "yes"}) {
            for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_7, Qt::Key_Right}) {
                SCOPED_TRACE(std::string(c.name) + " dirty " + dirty + " key " +
                             std::to_string(key));
                FillEveryField("12");
                Module1::dirty = dirty;
                w().boundtext().SetVisible(true);
                framework::TextField& field = FieldNamed(w(), c.name);
                Press(field, Qt::Key_Home);
                Press(field, key);
                const bool clears = Module1::dirty == std::string("yes") && key != Qt::Key_Right &&
                                    (key != Qt::Key_7 || c.standard);
                const char* own = key == Qt::Key_Delete ? "2" : key == Qt::Key_7 ? "712" : "12";
                for (framework::TextField* other : Fields()) {
                    EXPECT_EQ(other->Text(), other == &field ? own
                                             : clears        ? ""
                                                             : "12")
                        << other->Name();
                }
                EXPECT_EQ(w().boundtext().Visible(), !(clears && c.hidesNote));
                EXPECT_EQ(Module1::dirty, dirty);
            }
        }
    }
}

// In the raw score an erase key always empties the standard scores, and after a calculation
// every key does, a refused one included; the mean, the sd and the note stay.
TEST_F(KeyFilterTest, RawScoreKeysEmptyTheStandardScoresOnly) {
    const std::pair<const char*, const char*> typedAndLeft[] = {
        {"\b", "1"}, {"3", "123"}, {"x", "12"}};
    for (const char* dirty : {"", "no", "yes"}) {
        for (const auto& [keys, left] : typedAndLeft) {
            SCOPED_TRACE(std::string("dirty ") + dirty + " keys " + keys);
            FillEveryField("12");
            Module1::dirty = dirty;
            w().boundtext().SetVisible(true);
            Type(w().rawFld(), keys);
            const bool clears = keys[0] == '\b' || Module1::dirty == std::string("yes");
            EXPECT_EQ(w().rawFld().Text(), left);
            EXPECT_EQ(w().rawmeanFld().Text(), "12");
            EXPECT_EQ(w().rawsdFld().Text(), "12");
            const std::vector<framework::TextField*> fields = Fields();
            for (framework::TextField* field : std::span(fields).subspan(3)) {
                EXPECT_EQ(field->Text(), clears ? "" : "12") << field->Name();
            }
            EXPECT_TRUE(w().boundtext().Visible());
        }
    }
}

TEST_F(KeyFilterTest, ClearEmptiesTheFormEndsTheCalculatedStateAndFocusesTheRawScore) {
    FillEveryField("12");
    Module1::dirty = "yes";
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
}

} // namespace
