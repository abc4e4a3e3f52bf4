#pragma once

// The application object: one per program, registered with the runtime, holding the version
// data, the menu bar and the application's menu handlers. Its events reach a derived class
// through a static table, as window events do.

#include "framework/core/menus/MenuHandlers.h"
#include "framework/ui/EventTables.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace framework {

class MenuBar;

class Application {
public:
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                        std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                        std::int64_t stageCode, std::string longVersion, std::string shortVersion,
                        std::string packageInfo);
    std::int64_t MajorVersion() const { return majorVersion_; }
    std::int64_t MinorVersion() const { return minorVersion_; }
    std::int64_t BugVersion() const { return bugVersion_; }
    std::int64_t NonReleaseVersion() const { return nonReleaseVersion_; }
    std::int64_t StageCode() const { return stageCode_; }
    const std::string& LongVersion() const { return longVersion_; }
    const std::string& ShortVersion() const { return shortVersion_; }
    const std::string& PackageInfo() const { return packageInfo_; }

    // Qt 6 always lays out in device-independent pixels and scales for high-resolution
    // screens; the declaration is kept for whoever asks.
    static void SetSupportsHiDPI(bool supports);
    static bool SupportsHiDPI();

    const std::shared_ptr<framework::MenuBar>& MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<framework::MenuBar> menuBar);

    void AddMenuHandler(std::string itemName, MenuHandler handler);
    const MenuHandlers& BoundMenuHandlers() const { return menuHandlers_; }

    bool IsEventImplemented(std::string_view eventName) const;
    // Raised by the framework (EnableMenuItems by the menu bar before it is shown).
    void RaiseEvent(ApplicationEvent event);

protected:
    // A derived class passes its static event table; the default handles no event.
    explicit Application(const ApplicationEventTable& events);
    Application();

private:
    const ApplicationEventTable& events_;
    std::int64_t majorVersion_ = 0;
    std::int64_t minorVersion_ = 0;
    std::int64_t bugVersion_ = 0;
    std::int64_t nonReleaseVersion_ = 0;
    std::int64_t stageCode_ = 0;
    std::string longVersion_;
    std::string shortVersion_;
    std::string packageInfo_;
    std::shared_ptr<framework::MenuBar> menuBar_;
    MenuHandlers menuHandlers_;
};

// The runtime owns the registered application object until the finalisers have run.
void RuntimeRegisterAppObject(std::unique_ptr<Application> app);
// The registered application object, or nullptr before registration.
Application* GetAppObject();
// Destroys the registered application object; the finalisers call it.
void ReleaseAppObject();

// The program's name as its dialogs show it: the registered object's ShortVersion, or the
// toolkit's application name while none is registered or it has none.
std::string ProgramName();

} // namespace framework
