#include "controllers/actions/ActionSupport.h"

#include <QApplication>
#include <QWidget>

#include "controllers/TFormControlerAncestor.h"
#include "factory/CFactory.h"
#include "domain/Lookups.h"
#include "domain/Subjects.h"
#include "factory/CStored.h"
#include "routines/Platform.h"
#include "routines/XMLRoutines.h"

namespace vantaro {

CStored* RootYear() {
    const CFactory* factory = CFactory::MainFactory();
    CStored* root = factory ? factory->Root() : nullptr;
    return root && root->ClassName() == "CYear" ? root : nullptr;
}

bool IsClass(const CStored* object, std::string_view className) {
    return object && object->ClassName() == className;
}

QWidget* OwnerWindow(TFormControlerAncestor& window, ActionOwner owner) {
    switch (owner) {
        case ActionOwner::Screen: return nullptr;
        case ActionOwner::ThisWindow: return &window;
        case ActionOwner::MainWindow:
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (widget->property("vantaroMainWindow").toBool()) return widget;
            return &window;
    }
    return &window;
}

void AskToRemoveTargets(CStored& subject) {
    if (!Platform::Prompts().Ask("Curriculum Changed", "Do you wish to delete the current targets for this subject",
                                 MessageButtons::YesNo))
        return;
    if (auto* cls = dynamic_cast<CSubject*>(&subject)) RemoveTargets(*cls);
}

bool SetTypedAttribute(CStored& object, std::string_view name, const std::string& text) {
    const int line = object.IndexOfProperty("ATTRIBUTE", name);
    if (line < 0) return false;
    std::string value = text;
    if (!InputToStored(object.PropertyFormat(line), value)) return false;
    object.SetAttributeValue(name, value);
    return true;
}

}  // namespace vantaro
