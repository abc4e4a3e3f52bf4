#pragma once

// A user who does, at random, what the running program offers once the converter window is up:
// keys of every kind into the converter's fields, pasted text, clicks on Calculate, Clear and the
// info picture, menu choices by name, another window brought to the front, the description
// window closed, the About window shown and dismissed. Each action reports what it did: in words
// for the log of a failing run, and as the facts about the form that the invariants follow.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace framework {
class TextField;
}

namespace randomuse {

// The converter's ten fields: the raw score, its mean and sd, then the seven standard scores
// from z to the percentile, AGCT last.
inline constexpr std::size_t kFieldCount = 10;
inline constexpr std::array<std::string_view, kFieldCount> kFieldNames{
    "rawFld",      "rawmeanFld", "rawsdFld", "zFld",          "tFld",
    "wechslerFld", "nceFld",     "greFld",   "percentileFld", "agctFld"};
framework::TextField& ConverterField(std::size_t index);

struct Action {
    std::string description;
    // Calculate was pressed, by its button or by Return in a field.
    bool pressedCalculate = false;
    bool pressedClear = false;
    // The field that Backspace or Delete was typed into.
    std::optional<std::size_t> erasedField;
    // The field whose text a typed character, an erase key, a paste or an Edit item may have
    // changed.
    std::optional<std::size_t> editedField;
    // The field whose text may have changed without passing its key filter (paste, undo).
    std::optional<std::size_t> unfilteredField;
    // The About window was dismissed by a key or a click in it.
    bool dismissedAbout = false;
    // The info picture was clicked.
    bool clickedInfo = false;
};

class RandomUser {
public:
    explicit RandomUser(std::uint32_t seed) : random_(seed) {}

    Action Act();

private:
    Action TypeKey();
    Action Paste();
    Action ClickButton();
    Action ChooseMenuItem();
    Action BringWindowToFront();
    Action CloseDescription();
    Action DismissAbout();
    // A user has to click a window before typing into it; true when the converter is in front.
    bool ConverterInFront(Action& action);
    // The focused field, or a click into another one.
    std::size_t FieldToTypeInto(Action& action);
    // Digits most often, then the period, the minus sign, letters and refused punctuation.
    char PrintableKey();
    std::string RandomText();

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    bool Chance(int percent) { return Below(100) < percent; }
    char PickCharacter(std::string_view characters) {
        return characters[static_cast<std::size_t>(Below(static_cast<int>(characters.size())))];
    }
    template <class T, std::size_t N> const T& Pick(const std::array<T, N>& choices) {
        return choices[static_cast<std::size_t>(Below(static_cast<int>(N)))];
    }

    std::mt19937 random_;
};

} // namespace randomuse
