#pragma once

// The base of every GUI test. Outside a GuiTest any message box or printer dialog fails the
// running test. Inside one, message boxes are recorded; any that the test leaves unread with
// TakeMessages fail it, so no unexpected box passes unnoticed.

#include "framework/ui/TestSeams.h"
#include "framework/ui/Window.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>

namespace guitest {

// The arguments a program's main gets when it is started by its name alone.
struct ProgramArguments {
    int argc = 1;
    char name[9] = "quorvane";
    char* argv[2] = {name, nullptr};
};

inline struct Recorded {
    std::vector<std::string> messages;
    int beeps = 0, printerDialogs = 0;
} recorded;

inline void InstallSeams(std::function<void(const std::string&)> messageBox) {
    framework::seams::SetDialogSeams({
        .messageBox = std::move(messageBox),
        .beep = [] { ++recorded.beeps; },
        .printerDialog = []() -> std::optional<std::string> {
            ADD_FAILURE() << "A printer dialog opened that the test did not expect";
            return std::nullopt;
        },
    });
}

inline void InstallDialogGuard() {
    InstallSeams([](const std::string& text) {
        ADD_FAILURE() << "A message box opened that the test did not expect: \"" << text << '"';
    });
}

// Fails the running test for each recorded message box that no test has read, and forgets them.
inline void FailOnUnreadMessages() {
    for (const std::string& text : std::exchange(recorded.messages, {})) {
        ADD_FAILURE() << "A message box that the test did not read: \"" << text << '"';
    }
}

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override {
        recorded = {};
        InstallSeams([](const std::string& text) { recorded.messages.push_back(text); });
    }
    void TearDown() override {
        FailOnUnreadMessages();
        InstallDialogGuard();
    }
    // The texts of the message boxes shown since the last call, oldest first.
    std::vector<std::string> TakeMessages() { return std::exchange(recorded.messages, {}); }
    int BeepCount() const { return recorded.beeps; }
    int PrinterDialogCount() const { return recorded.printerDialogs; }
    static void ToFront(framework::Window& window) {
        window.Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.TopLevelWidget()));
    }
    // The next printer dialogs answer "cancelled", or print into the PDF file whose path this
    // returns. Until one of these is called, a printer dialog fails the test.
    void CancelPrinterDialogs() { AnswerPrinterDialogs(std::nullopt); }
    std::string PrintIntoPdf() {
        const std::string path = printouts_.filePath("printout.pdf").toStdString();
        AnswerPrinterDialogs(path);
        return path;
    }

private:
    static void AnswerPrinterDialogs(std::optional<std::string> answer) {
        framework::seams::DialogSeams seams = framework::seams::CurrentDialogSeams();
        seams.printerDialog = [answer = std::move(answer)] {
            ++recorded.printerDialogs;
            return answer;
        };
        framework::seams::SetDialogSeams(std::move(seams));
    }
    QTemporaryDir printouts_;
};

} // namespace guitest
