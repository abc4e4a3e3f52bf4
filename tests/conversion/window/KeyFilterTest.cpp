// The key filters and the clearing rules, driven by real key events in the fields.

#include "ConverterWindowTest.h"

#include <cstring>

namespace {

using KeyFilterTest = ConverterWindowTest;

enum Rule { RawScore, OtherFields, StandardScore };

// In the order of kFieldNames: the keys of "-." let in besides digits, and the clearing rule.
const struct {
    const char* extra;
    Rule rule;
} kFieldKeys[] = {
    {".", RawScore},      {".", OtherFields},  {".", OtherFields},  {"-.", StandardScore},
    {"", StandardScore},  {"", StandardScore}, {"", StandardScore}, {"", StandardScore},
    {".", StandardScore}, {"", StandardScore},
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
// the raw score's erase keys empty anything. Keys that move are let in, as control keys. The
// calculated state stays; the range note goes with the last marked result.
TEST_F(KeyFilterTest, KeysApplyTheFieldsClearingRuleAsTheCalculatedStateAsks) {
    for (std::size_t i = 0; i < std::size(kFieldKeys); ++i) {
        for (const std::string dirty : {"no", "yes"}) {
            for (const std::string own : {"12", "12*"}) {
                for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_7, Qt::Key_X,
                                    Qt::Key_Right, Qt::Key_Down, Qt::Key_Backtab}) {
                    for (const char* name : kFieldNames) {
                        Field(name).SetText(name == kFieldNames[i] ? own : "12*");
                    }
                    QTest::keyClick(Field(kFieldNames[i]).Widget(), Qt::Key_Home);
                    Module1::dirty = dirty;
                    w().boundtext().SetVisible(true);
                    const int beepsBefore = BeepCount();
                    QTest::keyClick(Field(kFieldNames[i]).Widget(), key);
                    const Rule rule = kFieldKeys[i].rule;
                    const bool erase = key == Qt::Key_Backspace || key == Qt::Key_Delete;
                    const bool clears =
                        rule == RawScore
                            ? erase || dirty == "yes"
                            : dirty == "yes" &&
                                  (erase || (key == Qt::Key_7 && rule == StandardScore));
                    const std::string edited = key == Qt::Key_Delete ? own.substr(1)
                                               : key == Qt::Key_7    ? "7" + own
                                                                     : own;
                    std::string expected;
                    for (std::size_t other = 0; other < std::size(kFieldNames); ++other) {
                        const bool emptied = clears && (rule != RawScore || other >= 3);
                        expected += (other == i ? edited : emptied ? "" : "12*") + " ";
                    }
                    SCOPED_TRACE(std::string(kFieldNames[i]) + " dirty " + dirty + " own " + own +
                                 " key " + std::to_string(key));
                    EXPECT_EQ(Texts(), expected);
                    EXPECT_EQ(w().boundtext().Visible(), !clears || (own == "12*" && i >= 3));
                    EXPECT_EQ(Module1::dirty, dirty);
                    EXPECT_EQ(BeepCount() - beepsBefore, key == Qt::Key_X ? 1 : 0);
                }
            }
        }
    }
}

} // namespace
