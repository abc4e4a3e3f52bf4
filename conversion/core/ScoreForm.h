#pragma once

#include "conversion/core/ScaleTable.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace conversion {

// What the Calculate command touches of the converter window: the ten field texts, one
// message box and the keyboard focus. The range note beside the percentile is not the command's:
// it follows the fields (ShowsMarkedResult).
class ScoreForm {
public:
    virtual ~ScoreForm() = default;
    virtual std::string Text(ScoreField field) const = 0;
    virtual void SetText(ScoreField field, std::string text) = 0;
    virtual void ShowMessage(const std::string& message) = 0;
    virtual void Focus(ScoreField field) = 0;
};

inline constexpr std::size_t kFieldCount = 10;

// A form of plain texts that remembers what the command asked of it.
class ScoreTexts : public ScoreForm {
public:
    std::string Text(ScoreField field) const override { return texts_[Index(field)]; }
    void SetText(ScoreField field, std::string text) override {
        texts_[Index(field)] = std::move(text);
    }
    void ShowMessage(const std::string& message) override { messages_.push_back(message); }
    void Focus(ScoreField field) override { focus_ = field; }

    // Every message shown, oldest first.
    const std::vector<std::string>& Messages() const { return messages_; }
    std::optional<ScoreField> FocusedField() const { return focus_; }

private:
    static std::size_t Index(ScoreField field) { return static_cast<std::size_t>(field); }

    std::array<std::string, kFieldCount> texts_;
    std::vector<std::string> messages_;
    std::optional<ScoreField> focus_;
};

} // namespace conversion
