#include "windows/store/TFormTrashCanControler.h"

#include <QCloseEvent>
#include <QPushButton>

#include "factory/CFactory.h"
#include "routines/IdentifierCaption.h"
#include "routines/Platform.h"
#include "routines/Words.h"
#include "windows/store/TFrameTrashCanGrid.h"

namespace vantaro {
namespace {

constexpr int kTrashImage = 3;

CFactory* MainFactory() { return CFactory::MainFactory(); }

int TrashCount() { return MainFactory() ? MainFactory()->Trash().Count() : 0; }

// The deleted objects the page lists.
int DeletedInTrash() {
    int count = 0;
    if (const CFactory* factory = MainFactory())
        for (int i = 0; i < factory->Trash().Count(); ++i)
            count += factory->Trash().Item(i)->Status() == StoredStatus::Deleted;
    return count;
}

}  // namespace

TFormTrashCanControler::TFormTrashCanControler(QWidget* parent)
    : TFormSideButtonsControler("TFormTrashCanControler", QSize(520, 440), parent) {
    page_ = new TFrameTrashCanGrid;
    page_->setObjectName(QStringLiteral("ViewTrashCanGrid"));
    AddPage(page_);
    buttonClose_ = AddButton("ButtonClose", IdentifierCaption("CLOSE"));
    connect(buttonClose_, &QPushButton::clicked, this, [this] { CloseAfterCheck(); });
    AddAction("ActionTrashEmpty", "ActionTrashEmpty", kTrashImage, {}, [this] { EmptyTrash(); });
    AddAction("ActionTrashRestore", "ActionTrashRestore", -1, {}, [this] { RestoreTarget(); });
}

bool TFormTrashCanControler::ShowTrash(QWidget* owner) {
    setWindowTitle(QString::fromLatin1(UnderscoresToSpaces(Capitalise("TRASH_CAN"))));
    countAtOpening_ = TrashCount();
    page_->SetObject(MainFactory() ? MainFactory()->Root() : nullptr);
    SetCurrentView(page_);
    return ExecModal(owner);
}

void TFormTrashCanControler::RestoreTarget() {
    CStored* target = CurrentTarget();
    if (!target || !MainFactory()) return;
    MainFactory()->RestoreFromTrash(target);
    page_->Refresh(1);
}

// Destroying cannot be undone, so it is asked first, with the number of items that go.
void TFormTrashCanControler::EmptyTrash() {
    if (!MainFactory()) return;
    const int items = DeletedInTrash();
    if (items > 0 &&
        !Platform::Prompts().Ask("Empty Trash Can",
                                 "Are You Sure You Wish To Destroy The " + std::to_string(items) +
                                     (items == 1 ? " Item" : " Items") +
                                     " In The Trash Can?\r\nThey can not be restored afterwards.",
                                 MessageButtons::OkCancel))
        return;
    MainFactory()->EmptyTrash();
    page_->Refresh(1);
}

void TFormTrashCanControler::CloseAfterCheck() {
    if (countAtOpening_ != 0 && TrashCount() == countAtOpening_ &&
        !Platform::Prompts().Ask("No Items Restored",
                                 "Are You Sure You Wish To Close The Trash Can?\r\nDouble click on the icon next to "
                                 "the item you wish to restore, then click close",
                                 MessageButtons::OkCancel))
        return;
    CloseWith(true);
}

// The window manager's close button is the Close button, with its question.
void TFormTrashCanControler::closeEvent(QCloseEvent* event) {
    if (!IsRunningModal()) {
        TFormSideButtonsControler::closeEvent(event);
        return;
    }
    event->ignore();
    CloseAfterCheck();
}

}  // namespace vantaro
