#pragma once

// What every control of a window shares: its name, its window and its place in the window's
// list of controls. A control is made by Window::New and owned by its window once added.

#include "framework/core/properties/PropertyList.h"

#include <cstdint>
#include <string>

namespace framework {

class Window;

class Control : public PropertyTarget {
public:
    explicit Control(Window& window) : window_(window) {}
    ~Control() override = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    Window& OwnerWindow() const { return window_; }
    // The control-array index; every control of the program belongs to no array.
    std::int64_t Index() const { return index_; }

protected:
    void SetIndex(std::int64_t index) { index_ = index; }

private:
    Window& window_;
    std::string name_;
    std::int64_t index_ = -2147483648LL;
};

} // namespace framework
