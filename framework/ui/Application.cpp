#include "framework/ui/Application.h"

#include "framework/ui/MenuBarPresenter.h"

#include <QCoreApplication>
#include <utility>

namespace framework {
namespace {

std::unique_ptr<Application>& RegisteredApp() {
    static std::unique_ptr<Application> app;
    return app;
}

bool& HiDpiSupported() {
    static bool supported = false;
    return supported;
}

const ApplicationEventTable& NoEvents() {
    static const ApplicationEventTable table;
    return table;
}

} // namespace

Application::Application(const ApplicationEventTable& events) : events_(events) {}

Application::Application() : Application(NoEvents()) {}

Application::~Application() = default;

void Application::SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                                 std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                                 std::int64_t stageCode, std::string longVersion,
                                 std::string shortVersion, std::string packageInfo) {
    majorVersion_ = majorVersion;
    minorVersion_ = minorVersion;
    bugVersion_ = bugVersion;
    nonReleaseVersion_ = nonReleaseVersion;
    stageCode_ = stageCode;
    longVersion_ = std::move(longVersion);
    shortVersion_ = std::move(shortVersion);
    packageInfo_ = std::move(packageInfo);
}

void Application::SetSupportsHiDPI(bool supports) {
    HiDpiSupported() = supports;
}

bool Application::SupportsHiDPI() {
    return HiDpiSupported();
}

void Application::SetMenuBar(std::shared_ptr<framework::MenuBar> menuBar) {
    menuBar_ = std::move(menuBar);
    if (GetAppObject() == this) {
        ShowApplicationMenuBar();
    }
}

void Application::AddMenuHandler(std::string itemName, MenuHandler handler) {
    menuHandlers_.Add(std::move(itemName), std::move(handler));
}

bool Application::IsEventImplemented(std::string_view eventName) const {
    const auto event = ApplicationEventNamed(eventName);
    return event && events_.Handles(*event);
}

void Application::RaiseEvent(ApplicationEvent event) {
    events_.Raise(*this, event);
}

void RuntimeRegisterAppObject(std::unique_ptr<Application> app) {
    RegisteredApp() = std::move(app);
    ShowApplicationMenuBar();
}

Application* GetAppObject() {
    return RegisteredApp().get();
}

void ReleaseAppObject() {
    RegisteredApp().reset();
    ShowApplicationMenuBar();
}

std::string ProgramName() {
    const Application* app = GetAppObject();
    if (app != nullptr && !app->ShortVersion().empty()) {
        return app->ShortVersion();
    }
    return QCoreApplication::applicationName().toStdString();
}

} // namespace framework
