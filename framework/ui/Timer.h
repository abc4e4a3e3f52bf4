#pragma once

// A timer that belongs to a window like a control. RunMode 0 is off, 1 fires once, 2 fires
// repeatedly, every Period milliseconds; setting either restarts the count. The count begins once
// the window is on screen if it is shown or about to be.

#include "framework/ui/Control.h"
#include "framework/ui/PropertyTable.h"

#include <functional>
#include <memory>

class QTimer;

namespace framework {

class Timer : public Control {
public:
    using ActionHandler = std::function<void(Timer& timer)>;

    explicit Timer(Window& window);
    ~Timer() override;

    int RunMode() const { return runMode_; }
    void SetRunMode(int runMode);
    int Period() const { return period_; }
    void SetPeriod(int period);
    bool IsPending() const;

    void BindAction(ActionHandler handler) { action_ = std::move(handler); }

    void SetProperty(std::string_view name, const PropertyValue& value) override;

private:
    friend int FirePendingTimers();
    friend void StartTimersAwaiting(const Window& window);
    void Fire();
    void Restart();
    bool AwaitsWindow() const;

    std::unique_ptr<QTimer> timer_;
    ActionHandler action_;
    int runMode_ = 0;
    int period_ = 1000;
};

// Starts the count of the window's timers that waited for it to appear on screen.
void StartTimersAwaiting(const Window& window);

// For tests: fires every timer that is counting now, as if its period had passed, and returns
// how many fired. A timer in RunMode 1 is then off.
int FirePendingTimers();

} // namespace framework
