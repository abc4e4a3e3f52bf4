#pragma once

// The program's one menu bar: a File, an Edit and a Window menu between two menus with empty
// captions, twenty items in all. Items are found by Name, never by caption; windows and the
// application bind handlers to those names and enable the items they own.

#include "framework/core/menus/MenuItem.h"

#include <memory>

class Menu : public framework::MenuBar {
public:
    // Builds the whole tree; only the function Menu() below should need to.
    Menu();

    // The one menu bar, set by Menu() once the bar is complete; nil before.
    static std::shared_ptr<Menu> implicitInstance;

private:
    // One builder per top-level menu, each adding its menu and then the menu's items.
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();
    void Untitled4();
    void BuildItemsOf(int builder);
};

// The menu bar, built on the first call; every later call returns the same object.
std::shared_ptr<class Menu> Menu();
