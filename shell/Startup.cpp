#include "shell/Startup.h"

#include "conversion/core/Module1.h"
#include "framework/core/runtime/FileTypeRegistry.h"
#include "framework/ui/Application.h"
#include "framework/ui/Delegates.h"
#include "framework/ui/Runtime.h"
#include "shell/AboutWnd.h"
#include "shell/Attribution.h"
#include "shell/FileTypes.h"
#include "shell/HandleAboutMenu.h"
#include "shell/Menu.h"

#include <exception>
#include <memory>
#include <mutex>
#include <string>

namespace {

// The status of a run whose unhandled-exception report failed in its turn, so that the process
// does not end as if all had gone well.
constexpr int kFailedReportStatus = 1;

void EmptyFileTypeGlobals() {
    FileTypes::pAllFileTypes.clear();
    FileTypes::pText = nullptr;
    FileTypes::pUntitledType = nullptr;
}

// The declared types belong to this run: they go when it ends, so that a runtime started again in
// the same process declares each of them once more rather than twice.
void WithdrawFileTypes() {
    for (const auto& type : FileTypes::pAllFileTypes) {
        framework::WithdrawFileType(type->Name());
    }
    EmptyFileTypeGlobals();
}

// The program's globals start from these values in every run of the runtime. They are
// registered once per process: a second registration would run each of them twice.
void AddInitializersAndFinalizers() {
    static std::once_flag added;
    std::call_once(added, [] {
        framework::RuntimeAddInitializer([] { Module1::dirty = ""; });
        framework::RuntimeAddInitializer(EmptyFileTypeGlobals);
        framework::RuntimeAddInitializer([] { Menu::implicitInstance = nullptr; });
        framework::RuntimeAddFinalizer(WithdrawFileTypes);
    });
}

} // namespace

int RunProgram(int& argc, char** argv) {
    StartRuntime(argc, argv);
    bool reportFailed = false;
    try {
        Main();
    } catch (...) {
        reportFailed = true;
    }
    const int status = FinishRuntime();
    return reportFailed && status == 0 ? kFailedReportStatus : status;
}

void StartRuntime(int& argc, char** argv) {
    framework::RuntimeInit(argc, argv);
    AddInitializersAndFinalizers();
    framework::RuntimePerformInitializers();
}

int FinishRuntime() {
    framework::RuntimePerformFinalizers();
    return framework::RuntimeExit();
}

void Main() {
    try {
        StartUp();
        framework::RuntimeRun();
    } catch (...) {
        framework::UnhandledException(std::current_exception());
    }
}

void StartUp() {
    EarlyStartup();
    framework::RunFrameworkInitialization(LateStartup);
}

void EarlyStartup() {
    framework::Application::SetSupportsHiDPI(true);
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() {
    FileTypes::Initialize();
}

void NewAppInstance() {
    auto app = std::make_unique<HandleAboutMenu>();
    app->Constructor();
    app->SetVersionData(3, 0, 0, 0, 3, std::string(kAttributionLine), std::string(kProductName),
                        std::string(kPackageName));
    app->SetMenuBar(Menu());
    framework::RuntimeRegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers() {
    HandleAboutMenu& app = App();
    app.AddMenuHandler("AboutWYB",
                       framework::RuntimeCreateDelegate(&app, &HandleAboutMenu::AboutWYB_Action));
    app.AddMenuHandler("AboutMenuItem", framework::RuntimeCreateDelegate(
                                            &app, &HandleAboutMenu::AboutMenuItem_Action));
}

void LateStartup() {
    MakeDefaultView();
}

// The About window's list makes it visible as soon as it is built: that is the splash.
void MakeDefaultView() {
    AboutWnd();
}
