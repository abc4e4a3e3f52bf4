#include "conversion/core/Calculate.h"
#include "conversion/core/Module1.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace conversion {
namespace {

// A form that logs what the command does to it, in order, with the state of Module1::dirty at
// each step.
class LoggingForm : public ScoreTexts {
public:
    std::vector<std::string> log;

    void SetText(ScoreField field, std::string text) override {
        log.push_back("text " + std::to_string(static_cast<int>(field)) + " " + text + " " +
                      Module1::dirty);
        ScoreTexts::SetText(field, std::move(text));
    }
    void ShowMessage(const std::string& message) override {
        log.push_back("message " + message);
        ScoreTexts::ShowMessage(message);
    }
    void Focus(ScoreField field) override {
        log.push_back("focus " + std::to_string(static_cast<int>(field)));
        ScoreTexts::Focus(field);
    }
    void SetBoundNoteVisible(bool visible) override {
        log.push_back(std::string("note ") + (visible ? "shown " : "hidden ") + Module1::dirty);
        ScoreTexts::SetBoundNoteVisible(visible);
    }
};

TEST(CalculateOrder, ResultsGoInTableOrderThenTheNoteThenDirty) {
    LoggingForm form;
    form.ScoreTexts::SetText(ScoreField::z, "4.9");
    Module1::dirty = "no";
    Calculate(form);
    const std::vector<std::string> expected{
        "text 3 +4.9 no", "text 4 99 no",  "text 5 174 no", "text 6 99* no",
        "text 7 800* no", "text 8 198 no", "text 9 99* no", "note shown no",
    };
    EXPECT_EQ(form.log, expected);
    EXPECT_EQ(Module1::dirty, "yes");
}

TEST(CalculateOrder, TheFocusMovesAfterTheMessage) {
    LoggingForm form;
    form.ScoreTexts::SetText(ScoreField::wechsler, "0");
    Calculate(form);
    const std::vector<std::string> expected{
        "message Wechsler IQ scores must range from 1 to 199.",
        "focus 5",
    };
    EXPECT_EQ(form.log, expected);
}

} // namespace
} // namespace conversion
