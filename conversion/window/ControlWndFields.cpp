// The handlers that act on the form's fields: the ten key filters, the seven standard scores'
// edits and changes, Clear and Calculate. The work is the conversion core's and the key-filter
// table's; these adapt the window to them.

#include "conversion/core/Calculate.h"
#include "conversion/core/Module1.h"
#include "conversion/window/ControlWnd.h"
#include "conversion/window/ControlWndForm.h"
#include "conversion/window/KeyFilters.h"
#include "framework/ui/Label.h"
#include "framework/ui/TextField.h"

using conversion::ScoreField;

namespace {

bool Filter(class ControlWnd& window, ScoreField field, const std::string& key) {
    conversion::ControlWndForm form(window);
    return conversion::FilterKey(form, field, key);
}

void ClearAfterEdit(class ControlWnd& window, ScoreField field) {
    conversion::ControlWndForm form(window);
    conversion::ClearAfterEdit(form, field);
}

} // namespace

bool ControlWnd::rawFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::raw, key);
}
bool ControlWnd::rawmeanFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::rawmean, key);
}
bool ControlWnd::rawsdFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::rawsd, key);
}
bool ControlWnd::zFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::z, key);
}
bool ControlWnd::tFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::t, key);
}
bool ControlWnd::wechslerFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::wechsler, key);
}
bool ControlWnd::nceFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::nce, key);
}
bool ControlWnd::greFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::gre, key);
}
bool ControlWnd::percentileFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::percentile, key);
}
bool ControlWnd::agctFld_KeyDown(framework::TextField&, const std::string& key) {
    return Filter(*this, ScoreField::agct, key);
}

void ControlWnd::zFld_TextEdited(framework::TextField&) {
    ClearAfterEdit(*this, ScoreField::z);
}
void ControlWnd::tFld_TextEdited(framework::TextField&) {
    ClearAfterEdit(*this, ScoreField::t);
}
void ControlWnd::wechslerFld_TextEdited(framework::TextField&) {
    ClearAfterEdit(*this, ScoreField::wechsler);
}
void ControlWnd::nceFld_TextEdited(framework::TextField&) {
    ClearAfterEdit(*this, ScoreField::nce);
}
void ControlWnd::greFld_TextEdited(framework::TextField&) {
    ClearAfterEdit(*this, ScoreField::gre);
}
void ControlWnd::percentileFld_TextEdited(framework::TextField&) {
    ClearAfterEdit(*this, ScoreField::percentile);
}
void ControlWnd::agctFld_TextEdited(framework::TextField&) {
    ClearAfterEdit(*this, ScoreField::agct);
}

void ControlWnd::standardFld_TextChanged(framework::TextField&) {
    boundtext().SetVisible(conversion::ShowsMarkedResult(conversion::ControlWndForm(*this)));
}

void ControlWnd::ClearBtn_Action(framework::PushButton&) {
    for (framework::TextField* field :
         {&rawFld(), &rawmeanFld(), &rawsdFld(), &zFld(), &tFld(), &wechslerFld(), &nceFld(),
          &greFld(), &percentileFld(), &agctFld()}) {
        field->SetText("");
    }
    for (framework::RectControl* control : std::initializer_list<framework::RectControl*>{
             &rawFld(), &rawTxt(), &rawmeanFld(), &rawmeanTxt(), &rawsdFld(), &rawsdTxt()}) {
        control->SetVisible(true);
    }
    Module1::dirty = "no";
    rawFld().SetFocus();
}

void ControlWnd::CalculateBtn_Action(framework::PushButton&) {
    conversion::ControlWndForm form(*this);
    conversion::Calculate(form);
}
