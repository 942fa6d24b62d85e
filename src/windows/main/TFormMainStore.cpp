// The main window's commands over the whole store: the trash can, the filter and the object map.
// Each can destroy objects or hide them, so every open window is rebuilt afterwards.

#include "domain/CRovanFactory.h"
#include "windows/main/TFormMain.h"
#include "windows/store/TFormFilterControler.h"
#include "windows/store/TFormObjectMapControler.h"
#include "windows/store/TFormTrashCanControler.h"

namespace vantaro {

void TFormMain::CreateSharedWindows() {
    TrashWindow();
    FilterWindow();
    ObjectMapWindow();
}

TFormTrashCanControler& TFormMain::TrashWindow() {
    if (!trashWindow_) trashWindow_ = new TFormTrashCanControler(this);
    return *trashWindow_;
}

TFormFilterControler& TFormMain::FilterWindow() {
    if (!filterWindow_) filterWindow_ = new TFormFilterControler(this);
    return *filterWindow_;
}

TFormObjectMapControler& TFormMain::ObjectMapWindow() {
    if (!objectMapWindow_) objectMapWindow_ = new TFormObjectMapControler(this);
    return *objectMapWindow_;
}

void TFormMain::CreateStoreActions() {
    SetHandler("ActionViewTrashCan", [this] {
        if (CurrentView()) CurrentView()->EndEdit();
        TrashWindow().ShowTrash(this);
        AfterObjectsChanged();
    });
    SetHandler("ActionViewFilter", [this] {
        if (CurrentView()) CurrentView()->EndEdit();
        FilterWindow().ShowFilter(this);
        AfterObjectsChanged();
    });
    SetHandler("ActionShowObjectStore", [this] {
        if (CurrentView()) CurrentView()->EndEdit();
        ObjectMapWindow().ShowObjectMap(factory_, this);
        if (ObjectMapWindow().StoreChanged()) AfterObjectsChanged();
    });
}

}  // namespace vantaro
