#pragma once

// The converter window on real widgets, built under a dark desktop theme that the form's own
// colours must override: each test starts from a fresh window that is active, with no
// calculation behind it, and ends with every window gone.

#include "conversion/core/Module1.h"
#include "conversion/window/ControlWnd.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/TextField.h"
#include "shell/AboutWnd.h"
#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QTest>
#include <string>

// The ten fields in the order of conversion::ScoreField.
inline constexpr const char* kFieldNames[] = {"rawFld",  "rawmeanFld",   "rawsdFld", "zFld",
                                              "tFld",    "wechslerFld",  "nceFld",   "greFld",
                                              "agctFld", "percentileFld"};

inline framework::TextField& Field(const char* name) {
    return dynamic_cast<framework::TextField&>(*ControlWnd().ControlByName(name));
}

// The ten fields' texts, each followed by a space.
inline std::string Texts() {
    std::string texts;
    for (const char* name : kFieldNames) {
        texts += Field(name).Text() + " ";
    }
    return texts;
}

class ConverterWindowTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        QPalette dark;
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Base, Qt::black);
        QApplication::setPalette(dark);
        AboutWnd().Hide(); // as at start-up, it exists before the converter window first shows
        ASSERT_TRUE(QTest::qWaitForWindowActive(ControlWnd().TopLevelWidget()));
        Module1::dirty = "";
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        QApplication::setPalette(QPalette());
        GuiTest::TearDown();
    }
    static class ControlWnd& w() { return ControlWnd(); }
    static void Click(framework::PushButton& button) {
        QTest::mouseClick(button.Widget(), Qt::LeftButton);
    }
};
