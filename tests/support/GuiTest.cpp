#include "tests/support/GuiTest.h"

#include "framework/ui/TestSeams.h"

#include <functional>
#include <optional>
#include <utility>

namespace guitest {

namespace {

using framework::seams::DialogSeams;

struct Recorded {
    std::vector<std::string> messages;
    int beeps = 0;
    int printerDialogs = 0;
};

Recorded& recorded() {
    static Recorded state;
    return state;
}

std::optional<std::string> UnexpectedPrinterDialog() {
    ADD_FAILURE() << "A printer dialog opened that the test did not expect";
    return std::nullopt;
}

void ReplacePrinterAnswer(std::function<std::optional<std::string>()> answer) {
    DialogSeams seams = framework::seams::CurrentDialogSeams();
    seams.printerDialog = [answer = std::move(answer)] {
        ++recorded().printerDialogs;
        return answer();
    };
    framework::seams::SetDialogSeams(std::move(seams));
}

} // namespace

void InstallDialogGuard() {
    framework::seams::SetDialogSeams({
        .messageBox =
            [](const std::string& text) {
                ADD_FAILURE() << "A message box opened that the test did not expect: \"" << text
                              << '"';
            },
        .beep = [] {},
        .printerDialog = UnexpectedPrinterDialog,
    });
}

void FailOnUnreadMessages() {
    for (const std::string& text : recorded().messages) {
        ADD_FAILURE() << "A message box that the test did not read: \"" << text << '"';
    }
    recorded().messages.clear();
}

void GuiTest::SetUp() {
    recorded() = {};
    framework::seams::SetDialogSeams({
        .messageBox = [](const std::string& text) { recorded().messages.push_back(text); },
        .beep = [] { ++recorded().beeps; },
        .printerDialog = UnexpectedPrinterDialog,
    });
}

void GuiTest::TearDown() {
    FailOnUnreadMessages();
    InstallDialogGuard();
}

std::vector<std::string> GuiTest::TakeMessages() {
    return std::exchange(recorded().messages, {});
}

int GuiTest::BeepCount() const {
    return recorded().beeps;
}

void GuiTest::CancelPrinterDialogs() {
    ReplacePrinterAnswer([]() -> std::optional<std::string> { return std::nullopt; });
}

std::string GuiTest::PrintIntoPdf() {
    const std::string path = printouts_.filePath("printout.pdf").toStdString();
    ReplacePrinterAnswer([path]() -> std::optional<std::string> { return path; });
    return path;
}

int GuiTest::PrinterDialogCount() const {
    return recorded().printerDialogs;
}

} // namespace guitest
