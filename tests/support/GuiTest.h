#pragma once

// The base of every GUI test: real widgets, with what would block or make a sound going through
// the framework's dialog seams. Outside a GuiTest any message box or printer dialog fails the
// running test. Inside one, message boxes are recorded and a test that expects some reads them
// with TakeMessages; any left unread fail it, so no unexpected box passes unnoticed.

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace guitest {

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
