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
// calculated state stays; the range note shows exactly while a standard score ends in its mark,
// whether the key erased the last mark, typed after it or emptied the fields that held one.
TEST_F(KeyFilterTest, KeysApplyTheFieldsClearingRuleAsTheCalculatedStateAsks) {
    for (std::size_t i = 0; i < std::size(kFieldKeys); ++i) {
        for (int state = 0; state < 8; ++state) {
            const std::string dirty = state & 1 ? "yes" : "no";
            const std::string own = state & 2 ? "12*" : "12";
            const std::string others = state & 4 ? "12*" : "12";
            for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_7, Qt::Key_X,
                                Qt::Key_Right, Qt::Key_Down, Qt::Key_Backtab}) {
                for (const char* name : kFieldNames) {
                    Field(name).SetText(name == kFieldNames[i] ? own : others);
                }
                QTest::keyClick(Field(kFieldNames[i]).Widget(), Qt::Key_End);
                Module1::dirty = dirty;
                const int beepsBefore = BeepCount();
                QTest::keyClick(Field(kFieldNames[i]).Widget(), key);
                const Rule rule = kFieldKeys[i].rule;
                const bool erase = key == Qt::Key_Backspace || key == Qt::Key_Delete;
                const bool clears =
                    rule == RawScore
                        ? erase || dirty == "yes"
                        : dirty == "yes" && (erase || (key == Qt::Key_7 && rule == StandardScore));
                const std::string edited = key == Qt::Key_Backspace ? own.substr(0, own.size() - 1)
                                           : key == Qt::Key_7       ? own + "7"
                                                                    : own;
                std::string expected;
                bool marked = false;
                for (std::size_t other = 0; other < std::size(kFieldNames); ++other) {
                    const bool emptied = clears && (rule != RawScore || other >= 3);
                    const std::string text = other == i ? edited : emptied ? "" : others;
                    marked = marked || (other >= 3 && text.ends_with('*'));
                    expected += text + " ";
                }
                SCOPED_TRACE(std::string(kFieldNames[i]) + " state " + std::to_string(state) +
                             " key " + std::to_string(key));
                EXPECT_EQ(Texts(), expected);
                EXPECT_EQ(w().boundtext().Visible(), marked);
                EXPECT_EQ(Module1::dirty, dirty);
                EXPECT_EQ(BeepCount() - beepsBefore, key == Qt::Key_X ? 1 : 0);
            }
        }
    }
}

} // namespace
