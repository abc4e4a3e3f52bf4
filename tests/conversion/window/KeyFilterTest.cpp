// The key filters and the clearing rules, driven by real key events in the fields.

#include "ConverterWindowTest.h"

#include <cstring>

namespace {

using KeyFilterTest = ConverterWindowTest;

enum Rule { RawScore, OtherFields, StandardScore };

// In the order of kFieldNames: the keys of "-." let in besides digits, the clearing rule, and
// whether the rule hides the range note.
const struct {
    const char* extra;
    Rule rule;
    bool hidesNote;
} kFieldKeys[] = {
    {".", RawScore, false},      {".", OtherFields, false}, {".", OtherFields, false},
    {"-.", StandardScore, true}, {"", StandardScore, true}, {"", StandardScore, true},
    {"", StandardScore, true},   {"", StandardScore, true}, {".", StandardScore, false},
    {"", StandardScore, true},
};

TEST_F(KeyFilterTest, DigitsPassAndOtherKeysBeepUnlessTheFieldAdmitsThem) {
    for (std::size_t i = 0; i < std::size(kFieldKeys); ++i) {
        const int beepsBefore = BeepCount();
        QTest::keyClicks(Field(kFieldNames[i]).Widget(), "0123456789aZ ,+-.");
        EXPECT_EQ(Field(kFieldNames[i]).Text(), std::string("0123456789") + kFieldKeys[i].extra);
        EXPECT_EQ(BeepCount() - beepsBefore, 7 - static_cast<int>(std::strlen(kFieldKeys[i].extra)))
            << kFieldNames[i];
    }
}

// After a calculation, an erase key empties the other fields (the raw score's: the standard
// scores, and at any key), and so does a digit that changes a standard score. Without one, only
// the raw score's erase keys empty anything. The calculated state stays.
TEST_F(KeyFilterTest, KeysApplyTheFieldsClearingRuleAsTheCalculatedStateAsks) {
    for (std::size_t i = 0; i < std::size(kFieldKeys); ++i) {
        for (const std::string dirty : {"no", "yes"}) {
            for (Qt::Key key :
                 {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_7, Qt::Key_X, Qt::Key_Right}) {
                for (const char* name : kFieldNames) {
                    Field(name).SetText("12");
                }
                QTest::keyClick(Field(kFieldNames[i]).Widget(), Qt::Key_Home);
                Module1::dirty = dirty;
                w().boundtext().SetVisible(true);
                QTest::keyClick(Field(kFieldNames[i]).Widget(), key);
                const Rule rule = kFieldKeys[i].rule;
                const bool erase = key == Qt::Key_Backspace || key == Qt::Key_Delete;
                const bool clears =
                    rule == RawScore
                        ? erase || dirty == "yes"
                        : dirty == "yes" && (erase || (key == Qt::Key_7 && rule == StandardScore));
                std::string expected;
                for (std::size_t other = 0; other < std::size(kFieldNames); ++other) {
                    expected += other == i ? key == Qt::Key_Delete ? "2 "
                                             : key == Qt::Key_7    ? "712 "
                                                                   : "12 "
                                : clears && (rule != RawScore || other >= 3) ? " "
                                                                             : "12 ";
                }
                SCOPED_TRACE(std::string(kFieldNames[i]) + " dirty " + dirty + " key " +
                             std::to_string(key));
                EXPECT_EQ(Texts(), expected);
                EXPECT_EQ(w().boundtext().Visible(), !(clears && kFieldKeys[i].hidesNote));
                EXPECT_EQ(Module1::dirty, dirty);
            }
        }
    }
}

} // namespace
