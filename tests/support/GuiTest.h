#pragma once

// The base of every GUI test. Tests run real widgets; what would block or make a sound goes
// through the framework's dialog seams. Outside a GuiTest, any message box or printer dialog
// fails the running test (the guard that main installs). Inside one, message boxes are recorded:
// a test that expects some reads them with TakeMessages, and any left unread when it ends fail
// it, so a box that no test expected never passes unnoticed.

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace guitest {

// Makes every message box and printer dialog fail the running test; beeps pass silently.
void InstallDialogGuard();

// Fails the running test for each recorded message box that no test has read, and forgets them.
void FailOnUnreadMessages();

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The texts of the message boxes shown since the last call, oldest first.
    std::vector<std::string> TakeMessages();
    int BeepCount() const;

    // The next printer dialogs answer "cancelled", or print into the PDF file whose path this
    // returns. Until one of these is called, a printer dialog fails the test.
    void CancelPrinterDialogs();
    std::string PrintIntoPdf();
    int PrinterDialogCount() const;

private:
    QTemporaryDir printouts_;
};

} // namespace guitest
