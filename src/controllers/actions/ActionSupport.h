#pragma once

// Small helpers the shared action families share.

#include <string>
#include <string_view>

class QWidget;

namespace vantaro {

class CStored;
class TFormControlerAncestor;

// The window a chooser or question of an action is centred over.
enum class ActionOwner { Screen, ThisWindow, MainWindow };

// The root year of the main factory, or none.
CStored* RootYear();
bool IsClass(const CStored* object, std::string_view className);
// The window for an owner kind; the application's main window is the top-level window marked
// with the property "vantaroMainWindow" (this window when there is none).
QWidget* OwnerWindow(TFormControlerAncestor& window, ActionOwner owner);
// Asks whether a subject whose curriculum changes loses the targets of the old one, and removes
// them on Yes.
void AskToRemoveTargets(CStored& subject);
// Stores typed text in an attribute, converted for its FORMAT; false when it cannot be converted.
bool SetTypedAttribute(CStored& object, std::string_view name, const std::string& text);

}  // namespace vantaro
