#include "windows/curriculum/TFormCurriculumData.h"

#include <QAction>
#include <QMenu>

#include "controllers/actions/ActionSupport.h"
#include "controllers/data/MainWindowCommands.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "domain/Curricula.h"
#include "domain/StoredAccess.h"
#include "factory/CFactory.h"
#include "routines/IdentifierCaption.h"
#include "routines/Platform.h"
#include "windows/curriculum/TFrameCurriculumStatementListingGrid.h"

namespace vantaro {

TFormCurriculumData* TFormCurriculumData::Open(MainWindowCommands& main, const std::vector<CStored*>& objects) {
    std::vector<CStored*> curricula;
    for (CStored* object : objects)
        if (dynamic_cast<CCurriculum*>(object)) curricula.push_back(object);
    if (curricula.empty()) {
        Platform::Prompts().Ask("Missing Curriculum", "There Are No Plans To Curriculum, This window will now close.",
                                MessageButtons::Close);
        return nullptr;
    }
    return new TFormCurriculumData(main, curricula);
}

TFormCurriculumData::TFormCurriculumData(MainWindowCommands& main, const std::vector<CStored*>& curricula)
    : TFormDataControler("TFormCurriculumData", main) {
    setWindowTitle(QString::fromLatin1(curricula.size() == 1 ? curricula.front()->DisplayText()
                                                             : std::string("Curriculum")));
    viewStatements_ = new TFrameCurriculumStatementListingGrid(this);
    viewStatements_->setObjectName(QStringLiteral("ViewStatements"));
    viewStatements_->SetObjectList(curricula);
    AddView(viewStatements_, "ActionViewStatements", "Statements");
    SetupViews();
    ViewNavigator().addAction(FindAction("ACTIONFORMSHOWMAINCURRICULUMNS"));
    AddAction("ActionCloneLevels", "Clone Levels...", -1, {}, [this] { CloneLevels(); });
    AddAction("ActionWizardBuildStatements", "Build Statements Wizard...", -1, {}, [this] { BuildStatements(); });
    ActionView(FindAction("ACTIONVIEWSTATEMENTS"));
}

void TFormCurriculumData::showEvent(QShowEvent* event) {
    TFormDataControler::showEvent(event);
    FindAction("ACTIONFORMCLOSE")->setText(QString::fromLatin1(IdentifierCaption("CURRICULUM")));
}

void TFormCurriculumData::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormDataControler::ShowCellMenu(x, y, markup);
    const CStored* target = CurrentTarget();
    if (!target) return;
    if (IsClass(target, "CCurriculum")) {
        PopupItemDelete()->setVisible(false);
        ShowMenuEntries({"ACTIONNEWATTAINMENT"});
    }
    if (IsClass(target, "CAttainment")) ShowMenuEntries({"ACTIONNEWCURRICULUMLEVEL", "ACTIONCLONELEVELS"});
    if (IsClass(target, "CCurriculumLevel"))
        ShowMenuEntries({"ACTIONWIZARDBUILDSTATEMENTS", "ACTIONNEWCURRICULUMSTATEMENT"});
    PopupMenu().popup(QPoint(x, y));
}

// The target attainment's levels become copies of another attainment's. Nothing changes without
// a choice, for the attainment itself, or when the teacher says no; the old levels go to the
// trash, so they can be restored.
void TFormCurriculumData::CloneLevels() {
    auto* target = dynamic_cast<CAttainment*>(CurrentTarget());
    if (!target) return;
    const StoredRef kept(target);
    TFormSelectionControler chooser(this);
    chooser.AddLevel(RootYear(), "SELECT_AN_ATTAINMENT", "", "CURRICULUMS ATTAINMENTS", "CURRICULUMS ATTAINMENTS");
    if (!chooser.Execute(false, false, false, this) || !kept.Get()) return;
    auto* source = dynamic_cast<CAttainment*>(chooser.ChosenObject());
    if (!source || source == target) return;
    const std::vector<CCurriculumLevel*> old = ShownMembers<CCurriculumLevel>(*target, "CURRICULUM_LEVELS");
    if (!old.empty() &&
        !Platform::Prompts().Ask("Clone Levels",
                                 "The " + std::to_string(old.size()) + " levels of " + target->DisplayText() +
                                     " will be moved to the trash and replaced by those of " + source->DisplayText() +
                                     ".",
                                 MessageButtons::OkCancel))
        return;
    const std::vector<CCurriculumLevel*> copied = ShownMembers<CCurriculumLevel>(*source, "CURRICULUM_LEVELS");
    if (CFactory* factory = target->GetFactory())
        for (CCurriculumLevel* level : old) factory->MoveToTrash(level);
    for (const CCurriculumLevel* level : copied) target->NewCurriculumLevel()->CopyAttributeValues(level);
    RefreshAfterChange();
}

void TFormCurriculumData::BuildStatements() {
    CStored* level = CurrentTarget();
    if (!dynamic_cast<CLevel*>(level)) return;
    if (Main().RunWizard("BUILD_STATEMENTS", level, this)) RefreshAfterChange();
}

}  // namespace vantaro
