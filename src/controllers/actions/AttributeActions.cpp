// Choose Date and Swop Boolean, on the attribute named by the PARAMETER of the pressed cell.

#include "controllers/SharedActions.h"
#include "controllers/TFormControlerAncestor.h"
#include "controllers/messages/TFormDateSelector.h"
#include "factory/CStored.h"
#include "grid/TFrameGridAncestor.h"
#include "grid/markup/CellReaders.h"
#include "routines/DateTime.h"
#include "routines/Platform.h"

namespace vantaro {
namespace {

// The attribute the current view's pressed cell names; empty without a target or a grid view.
std::string ParameterOf(TFormControlerAncestor& window) {
    TFrameGridAncestor* view = window.CurrentView();
    if (!window.CurrentTarget() || !view) return {};
    return CellValue(view->PressedMarkup(), cell::kParameter);
}

void SwopBoolean(TFormControlerAncestor& window) {
    const std::string name = ParameterOf(window);
    if (name.empty()) return;
    CStored* target = window.CurrentTarget();
    target->SetAttributeValue(name, target->GetAttributeValue(name) == "TRUE" ? "FALSE" : "TRUE");
    window.RefreshAfterChange();
}

// The selector starts on the stored date, or on today for an empty value or a marker.
void ChooseDate(TFormControlerAncestor& window) {
    const std::string name = ParameterOf(window);
    if (name.empty()) return;
    const StoredRef target(window.CurrentTarget());
    const DateTime stored = ParseStoredDate(target.Get()->GetAttributeValue(name));
    TFormDateSelector selector(&window);
    selector.SetDate(IsRealDate(stored) ? stored : DateOf(Platform::CurrentClock().Now()));
    if (!selector.Execute(&window) || !target.Get()) return;
    target.Get()->SetAttributeValue(name, FormatStoredDate(selector.Date()));
    window.RefreshAfterChange();
}

}  // namespace

void AddAttributeActions(TFormControlerAncestor& window) {
    window.AddAction("ActionChooseDate", "Choose Date", 10, {}, [&window] { ChooseDate(window); });
    window.AddAction("ActionSwopBoolean", "Swop Boolean", 36, {}, [&window] { SwopBoolean(window); });
}

}  // namespace vantaro
