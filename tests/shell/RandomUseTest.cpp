// A user who tries everything on the running program (keys and pastes into every field, buttons,
// the info picture, menu items, windows to the front and closed); after each action the form is
// as the rules leave it. QUORVANE_RANDOM_ACTIONS=<n> and QUORVANE_RANDOM_SEED=<n> vary the run.

#include "conversion/window/KeyFilters.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/MenuBarPresenter.h"
#include "framework/ui/Timer.h"
#include "shell/DescriptionWnd.h"
#include "shell/Startup.h"
#include "tests/conversion/window/ConverterWindowTest.h"

#include <QClipboard>
#include <QKeySequence>
#include <QTimer>
#include <random>

namespace {

using namespace conversion;

int FocusedField() {
    const QWidget* focus = ControlWnd().TopLevelWidget()->focusWidget();
    const auto* found = std::ranges::find_if(
        kFieldNames, [focus](const char* name) { return Field(name).Widget() == focus; });
    return found == std::end(kFieldNames) ? -1 : static_cast<int>(found - kFieldNames);
}

struct Action {
    std::string what;
    bool press = false, clear = false, info = false, dismiss = false;
    int field = -1;      // the field typed, pasted or edited into
    int key = 0;         // the key typed there
    bool pasted = false; // text pasted there, which may replace a selection by the same text
};

template <class T> T Pick(std::mt19937& random, std::initializer_list<T> choices) {
    return choices.begin()[random() % choices.size()];
}

// A paste or a key into the focused field, or into another one clicked first.
Action Edit(std::mt19937& random, unsigned roll) {
    Action action{.what = "", .field = FocusedField()};
    if (action.field < 0 || random() % 5 == 0) {
        action.field = static_cast<int>(random() % 10);
        QTest::mouseClick(Field(kFieldNames[action.field]).Widget(), Qt::LeftButton);
    }
    action.what = std::string(kFieldNames[action.field]) + ": ";
    if (roll < 6) {
        std::string text;
        for (auto pieces = random() % 4; pieces > 0; --pieces) {
            text += Pick<std::string_view>(random, {"12", "-0", "1e999", "nan", "99.9999", "0.0001",
                                                    "5*", "\u22123", "\u0663", "-6.99", "abc", " ",
                                                    "12345678901234567890", ".", "-"});
        }
        QApplication::clipboard()->setText(QString::fromStdString(text));
        framework::ChooseMenuItem("EditPaste");
        action.pasted = !text.empty();
        action.what += "paste \"" + text + "\"";
        return action;
    }
    // Digits most, then the point, the minus sign, erase keys, keys that move, refused keys.
    action.key =
        roll < 55 ? Qt::Key_0 + static_cast<int>(random() % 10)
                  : Pick(random, {Qt::Key_Period, Qt::Key_Minus, Qt::Key_Backspace, Qt::Key_Delete,
                                  Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab, Qt::Key_Return,
                                  Qt::Key_Left, Qt::Key_Home, Qt::Key_End, Qt::Key_Escape,
                                  Qt::Key_A, Qt::Key_Space, Qt::Key_Comma, Qt::Key_Plus});
    QTest::keyClick(Field(kFieldNames[action.field]).Widget(), Qt::Key(action.key));
    action.press = action.key == Qt::Key_Return;
    action.what += "press " + QKeySequence(action.key).toString().toStdString();
    return action;
}

Action Act(std::mt19937& random) {
    const auto roll = static_cast<unsigned>(random() % 100);
    framework::Window* description = framework::GetImplicitWindow(DescriptionWnd::kClassName);
    if (roll < 20 && AboutWnd().Visible()) {
        roll < 10 ? QTest::keyClick(AboutWnd().TopLevelWidget(), 'q')
                  : QTest::mouseClick(AboutWnd().TopLevelWidget(), Qt::LeftButton);
        return {.what = "dismiss About", .dismiss = true};
    }
    if (roll < 8) {
        const std::string_view name = Pick<std::string_view>(
            random, {"ControlMenuItem", "DescriptionMenuItem", "AboutMenuItem", "AboutWYB",
                     "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "Print",
                     "UntitledMenu1", "WindowMenu"});
        const Action action{.what = "choose " + std::string(name),
                            .field = name.starts_with("Edit") ? FocusedField() : -1,
                            .pasted = name == "EditPaste" && ControlWnd().IsActive() &&
                                      !QApplication::clipboard()->text().isEmpty()};
        framework::ChooseMenuItem(name);
        return action;
    }
    if (roll < 10 && description != nullptr) {
        description->Close();
        return {.what = "close the description"};
    }
    if (roll < 14 || !ControlWnd().IsActive()) {
        (roll < 12   ? static_cast<framework::Window&>(AboutWnd())
         : roll < 14 ? static_cast<framework::Window&>(DescriptionWnd())
                     : ControlWnd())
            .Show();
        return {.what = "bring a window to the front"};
    }
    if (roll >= 31) {
        return Edit(random, roll - 31);
    }
    const int kind = roll < 24 ? 0 : roll < 29 ? 1 : 2;
    framework::RectControl* const targets[] = {&ControlWnd().CalculateBtn(),
                                               &ControlWnd().ClearBtn(), &ControlWnd().Canvas2()};
    QTest::mouseClick(targets[kind]->Widget(), Qt::LeftButton);
    return {
        .what = targets[kind]->Name(), .press = kind == 0, .clear = kind == 1, .info = kind == 2};
}

// The form as the actions left it, followed from one check to the next.
struct FormWatch {
    std::array<std::string, 10> texts{};
    bool wasActive = false;
    int calculations = 0, marks = 0, rowsApplied = 0; // what the run reached

    // The edited field's clearing row, when the edit applies it. A key the filter lets in, or a
    // paste, edits even when it replaces a selection by the same text.
    const KeyFilterRow* AppliedRow(const Action& a, bool holdsResults) const {
        const KeyFilterRow& row = KeyFilterFor(ScoreField(a.field));
        const bool erase = a.key == Qt::Key_Backspace || a.key == Qt::Key_Delete;
        const bool admitted =
            a.key > 0 && a.key < 128 &&
            (std::isdigit(a.key) || row.extraKeys.find(char(a.key)) != std::string_view::npos);
        const bool edited =
            Field(kFieldNames[a.field]).Text() != texts[a.field] || a.pasted || admitted;
        const bool applies =
            row.rule == ClearingRule::RawScore
                ? a.key != 0 && (erase || holdsResults)
                : holdsResults && (erase || (row.rule == ClearingRule::StandardScore && edited));
        return applies ? &row : nullptr;
    }

    // "" when the form and the windows are as a user may expect after the action.
    std::string Check(const Action& a, const std::string& dirtyBefore, std::size_t messages) {
        const bool calculated = a.press && messages == 0;
        const KeyFilterRow* row = a.field < 0 ? nullptr : AppliedRow(a, dirtyBefore == "yes");
        // The note shows exactly while a standard score shows a "*" with only blanks after it.
        const bool noteShown =
            std::any_of(std::begin(kFieldNames) + 3, std::end(kFieldNames), [](const char* name) {
                const std::string text = Field(name).Text();
                const std::size_t mark = text.rfind('*');
                return mark != text.npos && text.find_first_not_of(" \t", mark + 1) == text.npos;
            });
        const bool activated = ControlWnd().IsActive() && !wasActive;
        wasActive = ControlWnd().IsActive();
        const std::string dirty = calculated ? "yes" : a.clear || activated ? "no" : dirtyBefore;
        calculations += calculated;
        marks += calculated && noteShown;
        rowsApplied += row != nullptr;
        for (int i = 0; i < 10; ++i) {
            const std::string was = std::exchange(texts[i], Field(kFieldNames[i]).Text());
            const bool emptied =
                a.clear || (row && std::ranges::count(row->emptied, ScoreField(i)));
            if (!a.press && i != a.field && texts[i] != (emptied ? "" : was)) {
                return std::string(kFieldNames[i]) + " shows \"" + texts[i] + "\"";
            }
        }
        const framework::Window* description =
            framework::GetImplicitWindow(DescriptionWnd::kClassName);
        return messages > (a.press ? 1 : 0) ? "a message box"
               : Module1::dirty != dirty    ? "the calculated state is \"" + Module1::dirty + "\""
               : ControlWnd().boundtext().Visible() != noteShown ? "the note is wrong"
               : a.clear && FocusedField() != 0                  ? "Clear did not focus rawFld"
               : (ControlWnd().IsActive() || a.dismiss) && AboutWnd().Visible() ? "About stays"
               : a.info && !(description && description->Visible())             ? "no description"
                                                                                : "";
    }
};

using RandomUseTest = guitest::GuiTest;

TEST_F(RandomUseTest, TheFormStaysAsAUserExpectsThroughRandomActions) {
    const int given = qEnvironmentVariableIntValue("QUORVANE_RANDOM_ACTIONS");
    const int actions = given == 0 ? 3000 : given;
    const int seed = qEnvironmentVariableIsSet("QUORVANE_RANDOM_SEED")
                         ? qEnvironmentVariableIntValue("QUORVANE_RANDOM_SEED")
                         : 20250117;
    std::mt19937 random(static_cast<std::uint32_t>(seed));
    CancelPrinterDialogs();
    FormWatch watch;
    int done = 0;
    bool handedOver = false;
    std::string failure, dirtyBefore;
    Action last;
    // One action in each turn of the program's event loop, once the splash has handed over.
    QTimer turns;
    QObject::connect(&turns, &QTimer::timeout, [&] {
        if (!handedOver) {
            handedOver = framework::GetImplicitWindow(AboutWnd::kClassName) != nullptr &&
                         framework::FirePendingTimers() > 0;
            return;
        }
        QApplication::processEvents(); // a window brought to the front arrives first
        failure = done > 0 ? watch.Check(last, dirtyBefore, TakeMessages().size()) : "";
        if (done == actions || !failure.empty()) {
            turns.stop();
            return ControlWnd().Close();
        }
        dirtyBefore = Module1::dirty;
        last = Act(random);
        ++done;
    });
    turns.start(0);
    guitest::ProgramArguments arguments;
    EXPECT_EQ(RunProgram(arguments.argc, arguments.argv), 0);
    ASSERT_EQ(failure, "") << "seed " << seed << ", action " << done << ": " << last.what;
    EXPECT_EQ(done, actions) << "the program quit by itself";
    EXPECT_TRUE(watch.calculations > 0 && watch.marks > 0 && watch.rowsApplied > 0);
}

} // namespace
