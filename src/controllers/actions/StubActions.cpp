#include "controllers/SharedActions.h"

namespace vantaro {

void AddObjectActions(TFormControlerAncestor&) {}
void AddChooseActions(TFormControlerAncestor&) {}
void AddSelectActions(TFormControlerAncestor&) {}
void AddNewActions(TFormControlerAncestor&) {}
void AddNoteActions(TFormControlerAncestor&) {}
void AddAttributeActions(TFormControlerAncestor&) {}
void AddPrintActions(TFormControlerAncestor&) {}

}  // namespace vantaro
