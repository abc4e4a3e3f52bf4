#include "tests/support/GuiTest.h"

#include "framework/ui/TestSeams.h"

#include <optional>
#include <utility>

namespace guitest {
namespace {

struct Recorded {
    std::vector<std::string> messages;
    int beeps = 0;
    int printerDialogs = 0;
} recorded;

void InstallSeams(std::function<void(const std::string&)> messageBox) {
    framework::seams::SetDialogSeams({
        .messageBox = std::move(messageBox),
        .beep = [] { ++recorded.beeps; },
        .printerDialog = []() -> std::optional<std::string> {
            ADD_FAILURE() << "A printer dialog opened that the test did not expect";
            return std::nullopt;
        },
    });
}

void AnswerPrinterDialogs(std::optional<std::string> answer) {
    framework::seams::DialogSeams seams = framework::seams::CurrentDialogSeams();
    seams.printerDialog = [answer = std::move(answer)] {
        ++recorded.printerDialogs;
        return answer;
    };
    framework::seams::SetDialogSeams(std::move(seams));
}

} // namespace

void InstallDialogGuard() {
    InstallSeams([](const std::string& text) {
        ADD_FAILURE() << "A message box opened that the test did not expect: \"" << text << '"';
    });
}

void FailOnUnreadMessages() {
    for (const std::string& text : std::exchange(recorded.messages, {})) {
        ADD_FAILURE() << "A message box that the test did not read: \"" << text << '"';
    }
}

void GuiTest::SetUp() {
    recorded = {};
    InstallSeams([](const std::string& text) { recorded.messages.push_back(text); });
}

void GuiTest::TearDown() {
    FailOnUnreadMessages();
    InstallDialogGuard();
}

std::vector<std::string> GuiTest::TakeMessages() {
    return std::exchange(recorded.messages, {});
}

int GuiTest::BeepCount() const {
    return recorded.beeps;
}

void GuiTest::CancelPrinterDialogs() {
    AnswerPrinterDialogs(std::nullopt);
}

std::string GuiTest::PrintIntoPdf() {
    const std::string path = printouts_.filePath("printout.pdf").toStdString();
    AnswerPrinterDialogs(path);
    return path;
}

int GuiTest::PrinterDialogCount() const {
    return recorded.printerDialogs;
}

} // namespace guitest
