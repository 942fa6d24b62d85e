// Delete, Properties, Navigate Back and Forward, and Refresh.

#include <QKeySequence>

#include "controllers/SharedActions.h"
#include "controllers/TFormControlerAncestor.h"
#include "controllers/actions/ActionSupport.h"
#include "controllers/property/TFormPropertyControler.h"
#include "controllers/property/TFramePropertyGrid.h"
#include "factory/CFactory.h"
#include "factory/CStored.h"
#include "routines/Platform.h"
#include "routines/Words.h"

namespace vantaro {
namespace {

// The root year and the teaching days are never deleted, from the cell menu or otherwise.
bool MayDelete(const CStored& object) { return !IsClass(&object, "CYear") && !IsClass(&object, "CTeachingDay"); }

void DeleteTarget(TFormControlerAncestor& window) {
    CStored* target = window.CurrentTarget();
    if (!target || !MayDelete(*target)) return;
    const std::string text = "Do you wish to delete the " + ClassWords(target->ClassName()) + ";\r\n" +
                             target->DisplayText();
    if (!Platform::Prompts().Ask("Confirm Delete", text, MessageButtons::YesNo)) return;
    CFactory* factory = target->GetFactory();
    if (!factory) return;
    factory->MoveToTrash(target);
    window.RefreshAfterChange();
}

void ShowTargetProperties(TFormControlerAncestor& window) {
    CStored* target = window.CurrentTarget();
    if (!target) return;
    TFormPropertyControler properties(&window);
    properties.ShowProperties(target, &window, false);
    window.RefreshAfterChange();
}

TFramePropertyGrid* PropertyPage(TFormControlerAncestor& window) {
    return qobject_cast<TFramePropertyGrid*>(window.CurrentView());
}

}  // namespace

void AddObjectActions(TFormControlerAncestor& window) {
    window.AddAction("ActionTargetDelete", "Delete", -1, {}, [&window] { DeleteTarget(window); });
    window.AddAction("ActionTargetProperties", "Properties...", -1, {}, [&window] { ShowTargetProperties(window); });
    window.AddAction("ActionNavigateForward", "Navigate Forward", 16, {}, [&window] {
        TFramePropertyGrid* page = PropertyPage(window);
        if (page && window.CurrentTarget()) page->NavigateForward(window.CurrentTarget());
    });
    window.AddAction("ActionNavigateBack", "Navigate Back", 18, {}, [&window] {
        if (TFramePropertyGrid* page = PropertyPage(window)) page->NavigateBack();
    });
    window.AddAction("ActionViewRefresh", "Refresh", -1, QKeySequence(Qt::Key_F5),
                     [&window] { window.RefreshAfterChange(); });
}

}  // namespace vantaro
