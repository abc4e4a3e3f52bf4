#include "framework/ui/Runtime.h"

#include "framework/ui/Appearance.h"
#include "framework/ui/Application.h"
#include "framework/ui/DesktopIdentity.h"
#include "framework/ui/Dialogs.h"
#include "framework/ui/ImplicitWindows.h"

#include <QApplication>
#include <QTimer>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace framework {
namespace {

constexpr int kUnhandledExceptionStatus = 1;

struct RunState {
    int exitStatus = 0;
    bool quitRequested = false;
};

RunState& State() {
    static RunState state;
    return state;
}

std::vector<std::function<void()>>& Initializers() {
    static std::vector<std::function<void()>> initializers;
    return initializers;
}

std::vector<std::function<void()>>& Finalizers() {
    static std::vector<std::function<void()>> finalizers;
    return finalizers;
}

std::unique_ptr<QApplication>& OwnApplication() {
    static std::unique_ptr<QApplication> application;
    return application;
}

std::string Describe(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "an exception of unknown type";
    }
}

} // namespace

void RuntimeInit(int& argc, char** argv) {
    if (QApplication::instance() == nullptr) {
        OwnApplication() = std::make_unique<QApplication>(argc, argv);
    }
    UseSystemFontEverywhere();
    IdentifyToDesktop();
    // The program ends by Quit or its quit item, not when its last window closes: the About
    // window hides between the splash and the converter window.
    QApplication::setQuitOnLastWindowClosed(false);
    State() = RunState{};
}

void RuntimeAddInitializer(std::function<void()> initializer) {
    Initializers().push_back(std::move(initializer));
}

void RuntimeAddFinalizer(std::function<void()> finalizer) {
    Finalizers().push_back(std::move(finalizer));
}

void RuntimePerformInitializers() {
    for (const auto& initializer : Initializers()) {
        initializer();
    }
}

void RuntimePerformFinalizers() {
    for (const auto& finalizer : Finalizers()) {
        finalizer();
    }
    DestroyAllWindows();
    ReleaseAppObject();
    // The toolkit goes last, once nothing of the program's is left to need it, and within the
    // run: left to the exit handlers, its destruction would reach into the toolkit's own
    // per-thread data, which is gone by then.
    OwnApplication().reset();
}

void RunFrameworkInitialization(std::function<void()> callback) {
    QTimer::singleShot(0, QApplication::instance(),
                       [callback = std::move(callback)] { CallHandler(callback); });
}

void RuntimeRun() {
    if (State().quitRequested) {
        return;
    }
    QApplication::exec();
}

void Quit(int exitCode) {
    State().exitStatus = exitCode;
    State().quitRequested = true;
    QApplication::exit(exitCode);
}

int RuntimeExit() {
    return State().exitStatus;
}

void UnhandledException(std::exception_ptr exception) {
    const std::string description = Describe(exception);
    std::cerr << "Quorvane: unhandled exception: " << description << std::endl;
    // The report comes first: once the loop has been told to quit, a modal box would not run.
    MsgBox("An unexpected error occurred, and Quorvane has to close.\n\n" + description);
    Quit(kUnhandledExceptionStatus);
}

} // namespace framework
