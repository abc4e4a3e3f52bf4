#pragma once

#include "conversion/core/Calculate.h"
#include "conversion/core/Module1.h"

#include <array>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace conversion {

// The seven result texts in table order: z, T, Wechsler IQ, NCE, CEEB, AGCT, percentile.
using Results = std::array<std::string, 7>;

// A form filled field by field, pressed, and read back as its seven result texts.
class CalculateTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::dirty = "no"; }

    void Fill(std::initializer_list<std::pair<ScoreField, const char*>> entries) {
        for (const auto& [field, text] : entries) {
            form.SetText(field, text);
        }
    }

    Results Press() {
        Calculate(form);
        return Shown();
    }

    Results Shown() const {
        return {form.Text(ScoreField::z),         form.Text(ScoreField::t),
                form.Text(ScoreField::wechsler),  form.Text(ScoreField::nce),
                form.Text(ScoreField::gre),       form.Text(ScoreField::agct),
                form.Text(ScoreField::percentile)};
    }

    // A press that shows one message and changes nothing else.
    void ExpectRefused(const std::string& message, std::optional<ScoreField> focus) {
        const Results before = Shown();
        form.SetBoundNoteVisible(true);
        Calculate(form);
        ASSERT_EQ(form.Messages().size(), 1u);
        EXPECT_EQ(form.Messages().front(), message);
        EXPECT_EQ(form.FocusedField(), focus);
        EXPECT_EQ(Shown(), before);
        EXPECT_TRUE(form.BoundNoteVisible());
        EXPECT_EQ(Module1::dirty, "no");
    }

    void ExpectSuccess() const {
        EXPECT_TRUE(form.Messages().empty());
        EXPECT_EQ(form.FocusedField(), std::nullopt);
        EXPECT_EQ(Module1::dirty, "yes");
    }

    ScoreTexts form;
};

} // namespace conversion
