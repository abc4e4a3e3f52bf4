#pragma once

// The converter window on real widgets: each test starts from a freshly built window that is
// active, with no calculation behind it, and ends with every window gone.

#include "conversion/core/Module1.h"
#include "conversion/window/ControlWnd.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "shell/AboutWnd.h"
#include "tests/support/GuiTest.h"

#include <QTest>
#include <string>
#include <vector>

class ConverterWindowTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        // As at start-up, the About window exists before the converter window first shows.
        AboutWnd().Hide();
        window_ = &ControlWnd();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_->TopLevelWidget()));
        Module1::dirty = "";
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        GuiTest::TearDown();
    }

    static void Type(framework::TextField& field, const char* keys) {
        QTest::keyClicks(field.Widget(), keys);
    }
    static void Press(framework::TextField& field, Qt::Key key) {
        QTest::keyClick(field.Widget(), key);
    }
    static void Click(framework::PushButton& button) {
        QTest::mouseClick(button.Widget(), Qt::LeftButton);
    }

    // The ten fields, raw fields first, then the standard scores in the Tab order.
    std::vector<framework::TextField*> Fields() const {
        return {&w().rawFld(),        &w().rawmeanFld(),  &w().rawsdFld(), &w().zFld(),
                &w().tFld(),          &w().wechslerFld(), &w().nceFld(),   &w().greFld(),
                &w().percentileFld(), &w().agctFld()};
    }
    // The seven results in the order z, T, Wechsler IQ, NCE, CEEB, AGCT, percentile.
    std::vector<std::string> Results() const {
        return {w().zFld().Text(),         w().tFld().Text(),   w().wechslerFld().Text(),
                w().nceFld().Text(),       w().greFld().Text(), w().agctFld().Text(),
                w().percentileFld().Text()};
    }
    void FillEveryField(const std::string& text) const {
        for (framework::TextField* field : Fields()) {
            field->SetText(text);
        }
    }

    class ControlWnd& w() const {
        return *window_;
    }

    class ControlWnd* window_ = nullptr;
};
