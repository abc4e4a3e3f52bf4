// The event loop with its exit status, and the runtime's initialisers and finalisers.

#include "framework/ui/Runtime.h"

#include "DemoWnd.h"
#include "tests/support/GuiTest.h"

#include <memory>

namespace {

class RuntimeTest : public guitest::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Journal() = {};
        framework::RuntimeInit(argc_, argv_);
    }
    void TearDown() override {
        framework::DestroyAllWindows();
        GuiTest::TearDown();
    }

    int argc_ = 1;
    char name_[10] = "quorvane";
    char* argv_[2] = {name_, nullptr};
};

TEST_F(RuntimeTest, QuitEndsTheLoopWithItsCode) {
    for (int code : {0, 3}) {
        framework::RuntimeInit(argc_, argv_);
        int launched = 0;
        framework::RunFrameworkInitialization([&launched, code] {
            ++launched;
            framework::Quit(code);
        });
        framework::RuntimeRun();
        EXPECT_EQ(launched, 1);
        EXPECT_EQ(framework::RuntimeExit(), code);
    }
}

TEST_F(RuntimeTest, InitializersAndFinalizersRunInOrderOfRegistration) {
    // Registrations last as long as the program, so they share the record rather than point at it.
    auto order = std::make_shared<std::vector<std::string>>();
    framework::RuntimeAddInitializer([order] { order->push_back("init 1"); });
    framework::RuntimeAddInitializer([order] { order->push_back("init 2"); });
    framework::RuntimeAddFinalizer([order] { order->push_back("final 1"); });
    framework::RuntimeAddFinalizer([order] { order->push_back("final 2"); });
    DemoWnd();

    framework::RuntimePerformInitializers();
    framework::RuntimePerformFinalizers();

    EXPECT_EQ(*order, (std::vector<std::string>{"init 1", "init 2", "final 1", "final 2"}));
    EXPECT_EQ(framework::GetImplicitWindow("DemoWnd.DemoWnd"), nullptr);
}

} // namespace
