#include "framework/ui/Timer.h"

#include "framework/ui/Runtime.h"
#include "framework/ui/Window.h"

#include <QTimer>
#include <algorithm>
#include <array>
#include <vector>

namespace framework {
namespace {

constexpr int kOff = 0;
constexpr int kOnce = 1;

std::vector<Timer*>& LiveTimers() {
    static std::vector<Timer*> timers;
    return timers;
}

} // namespace

Timer::Timer(Window& window) : Control(window), timer_(std::make_unique<QTimer>()) {
    // A coarse timer may fire up to a twentieth of its period early; a period is a promise that
    // at least that much time passes.
    timer_->setTimerType(Qt::PreciseTimer);
    LiveTimers().push_back(this);
    QObject::connect(timer_.get(), &QTimer::timeout, [this] { Fire(); });
}

Timer::~Timer() {
    std::erase(LiveTimers(), this);
}

void Timer::SetRunMode(int runMode) {
    runMode_ = runMode;
    Restart();
}

void Timer::SetPeriod(int period) {
    period_ = period;
    Restart();
}

// Counting, or waiting for its window to appear: Restart leaves a timer that is not off counting
// unless its window has yet to appear.
bool Timer::IsPending() const {
    return runMode_ != kOff;
}

bool Timer::AwaitsWindow() const {
    return IsPending() && !timer_->isActive();
}

void Timer::Restart() {
    timer_->stop();
    if (runMode_ == kOff || OwnerWindow().AwaitsAppearance()) {
        return;
    }
    timer_->setSingleShot(runMode_ == kOnce);
    timer_->start(std::max(period_, 0));
}

void Timer::Fire() {
    if (runMode_ == kOnce) {
        timer_->stop();
        runMode_ = kOff;
    }
    if (action_) {
        CallHandler([this] { action_(*this); });
    }
}

void Timer::SetProperty(std::string_view name, const PropertyValue& value) {
    using V = const PropertyValue&;
    static const std::array<PropertyRow<Timer>, 2> rows{{
        {"RunMode", [](Timer& t, V v) { t.SetRunMode(IntValue(v)); }},
        {"Period", [](Timer& t, V v) { t.SetPeriod(IntValue(v)); }},
    }};
    if (!SetFromTable(std::span<const PropertyRow<Timer>>(rows), *this, name, value)) {
        ThrowUnknownProperty(Name(), name);
    }
}

void StartTimersAwaiting(const Window& window) {
    for (Timer* timer : LiveTimers()) {
        if (timer->AwaitsWindow() && &timer->OwnerWindow() == &window) {
            timer->Restart();
        }
    }
}

int FirePendingTimers() {
    std::vector<Timer*> pending;
    std::copy_if(LiveTimers().begin(), LiveTimers().end(), std::back_inserter(pending),
                 [](const Timer* timer) { return timer->IsPending(); });
    for (Timer* timer : pending) {
        timer->Fire();
    }
    return static_cast<int>(pending.size());
}

} // namespace framework
