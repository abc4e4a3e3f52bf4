#pragma once

// The application object: one per run, made and registered at start-up with the version data
// and the menu bar, living until the program ends. It keeps the About items usable whichever
// window is in front: it always enables AboutWYB and answers both About items.

#include "framework/ui/Application.h"
#include "framework/ui/EventTables.h"

class HandleAboutMenu : public framework::Application {
public:
    HandleAboutMenu();

    // Runs right after the object is made; the application keeps no state of its own.
    void Constructor();

    void Event_EnableMenuItems();
    // Menu handlers: each shows the About window and leaves the choice to other handlers.
    bool AboutWYB_Action();
    bool AboutMenuItem_Action();

private:
    static const framework::ApplicationEventTable& Events();
};

// The registered application object. Throws NilObjectException before registration.
HandleAboutMenu& App();
