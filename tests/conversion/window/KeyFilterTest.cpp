// The key filters and the clearing rules, driven by real key events in the fields.

#include "ConverterWindowTest.h"

#include <cctype>

namespace {

using KeyFilterTest = ConverterWindowTest;

enum Rule { RawScore, OtherFields, StandardScore };

// In the order of kFieldNames: the keys of "-." let in besides digits, and the clearing rule.
const struct {
    std::string_view extra;
    Rule rule;
} kFieldKeys[] = {
    {".", RawScore},      {".", OtherFields},  {".", OtherFields},  {"-.", StandardScore},
    {"", StandardScore},  {"", StandardScore}, {"", StandardScore}, {"", StandardScore},
    {".", StandardScore}, {"", StandardScore},
};

// A key and the character it types, 0 for a key that types none.
const std::pair<Qt::Key, char> kKeys[] = {
    {Qt::Key_Backspace, 0}, {Qt::Key_Delete, 0},   {Qt::Key_Right, 0},   {Qt::Key_Down, 0},
    {Qt::Key_Backtab, 0},   {Qt::Key_0, '0'},      {Qt::Key_9, '9'},     {Qt::Key_Slash, '/'},
    {Qt::Key_Colon, ':'},   {Qt::Key_A, 'a'},      {Qt::Key_Space, ' '}, {Qt::Key_Plus, '+'},
    {Qt::Key_Minus, '-'},   {Qt::Key_Period, '.'},
};

// Digits and the field's extra keys are let in; any other character beeps and is dropped, while
// keys that erase or move act in the field. After a calculation, an erase key empties the other
// fields (the raw score's: the standard scores, and at any key), and so does a character let into
// a standard score. Without one, only the raw score's erase keys empty anything. The calculated
// state stays; the range note shows exactly while a standard score ends in its mark, whether the
// key erased the last mark, typed after it or emptied the fields that held one.
TEST_F(KeyFilterTest, KeysPassOrBeepAndApplyTheFieldsClearingRuleAsTheCalculatedStateAsks) {
    for (std::size_t i = 0; i < std::size(kFieldKeys); ++i) {
        for (int state = 0; state < 8; ++state) {
            const std::string dirty = state & 1 ? "yes" : "no";
            const std::string own = state & 2 ? "12*" : "12";
            const std::string others = state & 4 ? "12*" : "12";
            for (const auto& [key, typed] : kKeys) {
                for (const char* name : kFieldNames) {
                    Field(name).SetText(name == kFieldNames[i] ? own : others);
                }
                QTest::keyClick(Field(kFieldNames[i]).Widget(), Qt::Key_End);
                Module1::dirty = dirty;
                const int beepsBefore = BeepCount();
                QTest::keyClick(Field(kFieldNames[i]).Widget(), key);
                const Rule rule = kFieldKeys[i].rule;
                const bool erase = key == Qt::Key_Backspace || key == Qt::Key_Delete;
                const bool admitted =
                    std::isdigit(typed) ||
                    (typed && kFieldKeys[i].extra.find(typed) != std::string_view::npos);
                const bool clears =
                    rule == RawScore
                        ? erase || dirty == "yes"
                        : dirty == "yes" && (erase || (admitted && rule == StandardScore));
                const std::string edited = key == Qt::Key_Backspace ? own.substr(0, own.size() - 1)
                                           : admitted               ? own + typed
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
                EXPECT_EQ(BeepCount() - beepsBefore, typed && !admitted ? 1 : 0);
            }
        }
    }
}

} // namespace
