#include "tests/shell/RandomUseActions.h"

#include "conversion/window/ControlWnd.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "shell/AboutWnd.h"
#include "shell/DescriptionWnd.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace randomuse {
namespace {

struct NamedKey {
    Qt::Key key;
    std::string_view name;
};

// Backspace and Delete first: they carry the clearing rules, so they come up as often as all
// the others together.
constexpr std::array<NamedKey, 2> kErasingKeys{{
    {Qt::Key_Backspace, "Backspace"},
    {Qt::Key_Delete, "Delete"},
}};
constexpr std::array<NamedKey, 9> kOtherNamedKeys{{
    {Qt::Key_Tab, "Tab"},
    {Qt::Key_Return, "Return"},
    {Qt::Key_Left, "Left"},
    {Qt::Key_Right, "Right"},
    {Qt::Key_Up, "Up"},
    {Qt::Key_Down, "Down"},
    {Qt::Key_Home, "Home"},
    {Qt::Key_End, "End"},
    {Qt::Key_Escape, "Escape"},
}};

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kRefusedPunctuation = " ,+";

// What users paste: numbers the fields would take, numbers they would not, words, other
// scripts' digits and marks, and texts that make extreme numbers.
// "\u2212" is the minus sign; \u takes exactly four hex digits, so the 3 after it stays a digit.
constexpr std::array<std::string_view, 22> kPastedPieces{
    "12",    "-0",      "1e308",   "1e999",  "-1e999",  "nan",
    "inf",   "99.9999", "0.0001",  "+5",     "98.9998", "5*",
    "1,5",   " ",       "\u22123", "\u00BD", "\u0663",  "12345678901234567890",
    "-6.99", "6.99",    "abc",     "0x1F"};
constexpr std::string_view kPastedCharacters = " 0123456789.-+*eE,xZ";

// Every item name of the menu bar a user can choose without quitting, the name that only a
// handler carries, and a menu of its own.
constexpr std::array<std::string_view, 13> kMenuChoices{"ControlMenuItem", "DescriptionMenuItem",
                                                        "AboutMenuItem",   "AboutWYB",
                                                        "EditUndo",        "EditCut",
                                                        "EditCopy",        "EditPaste",
                                                        "EditClear",       "Print",
                                                        "UntitledMenu1",   "UntitledMenu6",
                                                        "WindowMenu"};

std::optional<std::size_t> FocusedField() {
    const QWidget* focus = ControlWnd().TopLevelWidget()->focusWidget();
    for (std::size_t index = 0; index < kFieldCount; ++index) {
        if (ConverterField(index).Widget() == focus) {
            return index;
        }
    }
    return std::nullopt;
}

framework::Window* LiveDescription() {
    return framework::GetImplicitWindow(DescriptionWnd::kClassName);
}

} // namespace

framework::TextField& ConverterField(std::size_t index) {
    class ControlWnd& window = ControlWnd();
    framework::TextField* const fields[kFieldCount] = {
        &window.rawFld(),        &window.rawmeanFld(),  &window.rawsdFld(), &window.zFld(),
        &window.tFld(),          &window.wechslerFld(), &window.nceFld(),   &window.greFld(),
        &window.percentileFld(), &window.agctFld()};
    return *fields[index];
}

Action RandomUser::Act() {
    // Each kind of action with its share of a hundred rolls.
    static constexpr std::pair<int, Action (RandomUser::*)()> kKinds[] = {
        {62, &RandomUser::TypeKey},           {5, &RandomUser::Paste},
        {14, &RandomUser::ClickButton},       {8, &RandomUser::ChooseMenuItem},
        {5, &RandomUser::BringWindowToFront}, {3, &RandomUser::CloseDescription},
        {3, &RandomUser::DismissAbout}};
    int roll = Below(100);
    for (const auto& [share, act] : kKinds) {
        if (roll < share) {
            return (this->*act)();
        }
        roll -= share;
    }
    return DismissAbout();
}

bool RandomUser::ConverterInFront(Action& action) {
    if (ControlWnd().IsActive()) {
        return true;
    }
    ControlWnd().Show();
    action.description = "click on the converter window to bring it to the front";
    return false;
}

std::size_t RandomUser::FieldToTypeInto(Action& action) {
    if (const auto focused = FocusedField(); focused && Chance(80)) {
        return *focused;
    }
    const auto index = static_cast<std::size_t>(Below(static_cast<int>(kFieldCount)));
    QTest::mouseClick(ConverterField(index).Widget(), Qt::LeftButton);
    action.description = "click into " + std::string(kFieldNames[index]) + ", ";
    return index;
}

Action RandomUser::TypeKey() {
    Action action;
    if (!ConverterInFront(action)) {
        return action;
    }
    const std::size_t index = FieldToTypeInto(action);
    QWidget* field = ConverterField(index).Widget();
    std::string typed;
    if (Chance(70)) {
        const char character = PrintableKey();
        QTest::keyClick(field, character);
        typed = std::string("'") + character + "'";
        action.editedField = index;
    } else {
        const NamedKey& key = Chance(50) ? Pick(kErasingKeys) : Pick(kOtherNamedKeys);
        QTest::keyClick(field, key.key);
        typed = key.name;
        action.pressedCalculate = key.key == Qt::Key_Return;
        if (key.key == Qt::Key_Backspace || key.key == Qt::Key_Delete) {
            action.erasedField = index;
            action.editedField = index;
        }
    }
    action.description += "type " + typed + " into " + std::string(kFieldNames[index]);
    return action;
}

char RandomUser::PrintableKey() {
    const int roll = Below(64);
    if (roll < 40) {
        return PickCharacter(kDigits);
    }
    if (roll < 50) {
        return '.';
    }
    if (roll < 56) {
        return '-';
    }
    return PickCharacter(roll < 60 ? kLetters : kRefusedPunctuation);
}

std::string RandomUser::RandomText() {
    std::string text;
    for (int piece = Below(4); piece > 0; --piece) {
        if (Chance(50)) {
            text += Pick(kPastedPieces);
            continue;
        }
        for (int length = 1 + Below(6); length > 0; --length) {
            text += PickCharacter(kPastedCharacters);
        }
    }
    return text;
}

Action RandomUser::Paste() {
    Action action;
    if (!ConverterInFront(action)) {
        return action;
    }
    const std::size_t index = FieldToTypeInto(action);
    const std::string text = RandomText();
    QApplication::clipboard()->setText(QString::fromStdString(text));
    const bool byMenu = Chance(50);
    if (byMenu) {
        framework::ChooseMenuItem("EditPaste");
    } else {
        qobject_cast<QLineEdit*>(ConverterField(index).Widget())->paste();
    }
    action.unfilteredField = index;
    action.editedField = index;
    action.description += "paste \"" + text + "\" into " + std::string(kFieldNames[index]) +
                          (byMenu ? " by the Edit menu" : " by the field");
    return action;
}

Action RandomUser::ClickButton() {
    Action action;
    if (!ConverterInFront(action)) {
        return action;
    }
    const int roll = Below(100);
    if (roll < 60) {
        QTest::mouseClick(ControlWnd().CalculateBtn().Widget(), Qt::LeftButton);
        action.pressedCalculate = true;
        action.description = "click Calculate";
    } else if (roll < 85) {
        QTest::mouseClick(ControlWnd().ClearBtn().Widget(), Qt::LeftButton);
        action.pressedClear = true;
        action.description = "click Clear";
    } else {
        QTest::mouseClick(ControlWnd().Canvas2().Widget(), Qt::LeftButton);
        action.clickedInfo = true;
        action.description = "click the info picture";
    }
    return action;
}

Action RandomUser::ChooseMenuItem() {
    const std::string_view name = Pick(kMenuChoices);
    Action action;
    if (name == "EditPaste" || name == "EditUndo") {
        action.unfilteredField = FocusedField();
    }
    if (name.starts_with("Edit")) {
        action.editedField = FocusedField();
    }
    framework::ChooseMenuItem(name);
    action.description = "choose " + std::string(name);
    return action;
}

Action RandomUser::BringWindowToFront() {
    static const std::array<std::pair<framework::Window& (*)(), std::string_view>, 3> kWindows{{
        {[]() -> framework::Window& { return ControlWnd(); }, "converter"},
        {[]() -> framework::Window& { return DescriptionWnd(); }, "description"},
        {[]() -> framework::Window& { return AboutWnd(); }, "About"},
    }};
    const auto& [window, name] = Pick(kWindows);
    window().Show();
    Action action;
    action.description = "bring the " + std::string(name) + " window to the front";
    return action;
}

Action RandomUser::CloseDescription() {
    Action action;
    if (framework::Window* description = LiveDescription()) {
        description->Close();
        action.description = "close the description window";
    } else {
        DescriptionWnd().Show();
        action.description = "open the description window again";
    }
    return action;
}

Action RandomUser::DismissAbout() {
    if (!AboutWnd().Visible()) {
        return TypeKey();
    }
    Action action;
    action.dismissedAbout = true;
    QWidget* about = AboutWnd().TopLevelWidget();
    if (Chance(50)) {
        const char key = PickCharacter(kLetters);
        QTest::keyClick(about, key);
        action.description = std::string("dismiss the About window with '") + key + "'";
    } else {
        QTest::mouseClick(about, Qt::LeftButton);
        action.description = "dismiss the About window with a click";
    }
    return action;
}

} // namespace randomuse
