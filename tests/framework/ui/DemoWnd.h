#pragma once

// A small window built the way the program builds its windows: from property lists, with its
// controls' events bound to its methods and its window events in a static table. The tests
// drive it through real widgets and read what its handlers saw from its journal.

#include "framework/ui/Canvas.h"
#include "framework/ui/ControlNamed.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Label.h"
#include "framework/ui/PushButton.h"
#include "framework/ui/Rectangle.h"
#include "framework/ui/TextField.h"
#include "framework/ui/Window.h"

#include <string>
#include <vector>

struct DemoJournal {
    std::vector<std::string> events;
    std::vector<std::string> keys;
    int createControlsRuns = 0;
    int okPresses = 0;
};

// What every handler of the demo window records; windows come and go, the journal stays.
DemoJournal& Journal();

class DemoWnd : public framework::Window {
public:
    static constexpr std::string_view kClassName = "DemoWnd.DemoWnd";

    // A control of this window by its name and class.
    template <class T> T& Get(std::string_view name) const {
        return framework::ControlNamed<T>(*this, name);
    }

private:
    friend class framework::WindowFactory;
    DemoWnd();
    static const framework::WindowEventTable& Events();

    void Layout();
    void CreateControls();
    template <class T> T& Add(std::string_view name, const std::string& list);
    void AddMenuHandlers(framework::Window& window);
    void Event_Open();
    void Event_Activate();
    bool Event_KeyDown(const std::string& key);
    bool Event_MouseDown(int x, int y);

    bool firstFld_KeyDown(framework::TextField& field, const std::string& key);
    void OkBtn_Action(framework::PushButton& button);
    bool Canvas1_MouseDown(framework::Canvas& canvas, int x, int y);
};

// The implicit instance, as the program's global window functions give theirs.
class DemoWnd& DemoWnd();
