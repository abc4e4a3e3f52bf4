#pragma once

// The converter window: ten entry fields for a raw score with its mean and sd and for the seven
// standard scores, their captions, Calculate and Clear, the title picture, the credit line, the
// info picture that opens the description window, and the note shown while a result is marked
// as held at its scale's limit. Closing it ends the program.

#include "framework/ui/EventTables.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Window.h"

#include <string>
#include <string_view>

namespace framework {
class Canvas;
class Label;
class PushButton;
class Rectangle;
class TextField;
} // namespace framework

class ControlWnd : public framework::Window {
public:
    static constexpr std::string_view kClassName = "ControlWnd.ControlWnd";

    framework::Rectangle& Rectangle1() const;
    framework::TextField& rawFld() const;
    framework::TextField& rawmeanFld() const;
    framework::TextField& rawsdFld() const;
    framework::Label& rawTxt() const;
    framework::Label& rawmeanTxt() const;
    framework::Label& rawsdTxt() const;
    framework::PushButton& ClearBtn() const;
    framework::TextField& zFld() const;
    framework::TextField& tFld() const;
    framework::TextField& wechslerFld() const;
    framework::TextField& nceFld() const;
    framework::TextField& greFld() const;
    framework::PushButton& CalculateBtn() const;
    framework::Canvas& Canvas1() const;
    framework::Label& StaticText1() const;
    framework::Label& StaticText2() const;
    framework::Label& StaticText3() const;
    framework::Label& StaticText4() const;
    framework::Label& StaticText5() const;
    framework::TextField& percentileFld() const;
    framework::Label& percentileTxt() const;
    framework::Canvas& Canvas2() const;
    framework::Label& cTxt() const;
    framework::Label& StaticText6() const;
    framework::TextField& agctFld() const;
    framework::Label& boundtext() const;

    // The key filters: True consumes the key (it was refused and the beep sounded).
    bool rawFld_KeyDown(framework::TextField& field, const std::string& key);
    bool rawmeanFld_KeyDown(framework::TextField& field, const std::string& key);
    bool rawsdFld_KeyDown(framework::TextField& field, const std::string& key);
    void ClearBtn_Action(framework::PushButton& button);
    bool zFld_KeyDown(framework::TextField& field, const std::string& key);
    bool tFld_KeyDown(framework::TextField& field, const std::string& key);
    bool wechslerFld_KeyDown(framework::TextField& field, const std::string& key);
    bool nceFld_KeyDown(framework::TextField& field, const std::string& key);
    bool greFld_KeyDown(framework::TextField& field, const std::string& key);
    void CalculateBtn_Action(framework::PushButton& button);
    void Canvas1_MouseEnter(framework::Canvas& canvas);
    bool percentileFld_KeyDown(framework::TextField& field, const std::string& key);
    bool Canvas2_MouseDown(framework::Canvas& canvas, int x, int y);
    bool agctFld_KeyDown(framework::TextField& field, const std::string& key);
    // A user's edit of a standard score's text: after a calculation, the field's clearing rule.
    void zFld_TextEdited(framework::TextField& field);
    void tFld_TextEdited(framework::TextField& field);
    void wechslerFld_TextEdited(framework::TextField& field);
    void nceFld_TextEdited(framework::TextField& field);
    void greFld_TextEdited(framework::TextField& field);
    void percentileFld_TextEdited(framework::TextField& field);
    void agctFld_TextEdited(framework::TextField& field);
    // Any change of a standard score's text, whoever made it: the range note explains the mark
    // "*", so it shows exactly while a standard score shows one. The seven fields share it.
    void standardFld_TextChanged(framework::TextField& field);

    void AddMenuHandlers(framework::Window& window);
    void Event_Close();
    void Event_Activate();
    void Event_EnableMenuItems();
    bool DescriptionMenuItem_Action();
    bool AboutWYB_Action();

private:
    friend class framework::WindowFactory;
    ControlWnd();
    static const framework::WindowEventTable& Events();

    void Layout();
    void CreateControls();
    void CreateControls0();
};

// The one converter window, built on first use.
class ControlWnd& ControlWnd();
