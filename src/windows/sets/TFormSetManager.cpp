#include "windows/sets/TFormSetManager.h"

#include <QMenu>

#include "controllers/actions/ActionSupport.h"
#include "domain/Subjects.h"
#include "routines/IdentifierCaption.h"
#include "windows/sets/TFrameSetManagerGrid.h"

namespace vantaro {

TFormSetManager::TFormSetManager(QWidget* parent)
    : TFormPageControler("TFormSetManager", QSize(640, 480), parent) {
    viewSetManager_ = new TFrameSetManagerGrid(this);
    AddPage(viewSetManager_);
    AddAction("ActionIncludeSet", "Include Set", -1, {}, [this] { IncludeSet(); });
    SetHandler("ActionNewSet", [this] { NewSet(); });
    PopupMenu().addAction(FindAction("ACTIONNEWSET"));
}

bool TFormSetManager::ShowSets(CStored* subject, QWidget* owner) {
    const std::string caption = IdentifierCaption("SET_MANAGER FOR ") + (subject ? subject->DisplayText() : std::string());
    return RunPage(*viewSetManager_, subject, caption, owner);
}

void TFormSetManager::IncludeSet() {
    CStored* assessment = CurrentTarget();
    CStored* set = CurrentSource();
    if (!IsClass(assessment, "CAssessment") || !IsClass(set, "CSet")) return;
    assessment->SetRelation("SET", set);
    viewSetManager_->Refresh(1);
}

void TFormSetManager::NewSet() {
    auto* subject = dynamic_cast<CSubject*>(CurrentTarget());
    if (!subject) return;
    AddNewObject(subject, subject->NewSet());
}

void TFormSetManager::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormControlerAncestor::ShowCellMenu(x, y, markup);
    const CStored* target = CurrentTarget();
    if (IsClass(target, "CSubject") || IsClass(target, "CAssessment")) PopupItemDelete()->setVisible(false);
    if (IsClass(target, "CSubject")) ShowMenuEntries({"ACTIONNEWSET"});
    PopupMenu().popup(QPoint(x, y));
}

void OpenSetManagerFrom(TFormControlerAncestor& window) {
    window.SetHandler("ActionShowSets", [&window] {
        CStored* subject = window.CurrentTarget();
        if (!IsClass(subject, "CSubject")) return;
        TFormSetManager sets(&window);
        if (sets.ShowSets(subject, &window)) window.RefreshAfterChange();
    });
}

}  // namespace vantaro
