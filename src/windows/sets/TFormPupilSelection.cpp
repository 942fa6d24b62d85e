#include "windows/sets/TFormPupilSelection.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "controllers/actions/ActionSupport.h"
#include "controllers/selection/TFrameSelectionGrid.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/PupilAllocation.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "routines/IdentifierCaption.h"

namespace vantaro {
namespace {

constexpr std::string_view kNoRelation = CRelationManager::kNoRelation;
constexpr int kFormColumnWidth = 160;   // pixels: a form's column shows whole names
constexpr int kCloningPageWidth = 420;  // pixels: the cloning heading shows whole
constexpr int kButtonsWidth = 90;

}  // namespace

TFormPupilSelection::TFormPupilSelection(QWidget* parent) : TFormSelectionControler(parent) {
    SetCaption(IdentifierCaption("PUPIL_SELECTOR"));
}

std::vector<const CStored*> TFormPupilSelection::GroupPupils(CYear& year) {
    year.SortAssociations("PUPILS");
    groups_.ResetGroups();
    for (const CForm* form : ShownMembers<CForm>(year, "FORMS")) groups_.AddGroup(*form);
    std::vector<const CStored*> offered;
    for (CPupil* pupil : ShownMembers<CPupil>(year, "PUPILS")) {
        const CStored* form = pupil->GetRelation("FORM");
        if (form && IsHiddenIn(year, form)) continue;
        groups_.AddToGroup(pupil, form);
        offered.push_back(pupil);
    }
    return offered;
}

void TFormPupilSelection::WidenForPage(int pageWidth) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() : pageWidth + kButtonsWidth;
    resize(std::max(width(), std::min(pageWidth + kButtonsWidth, room)), height());
}

bool TFormPupilSelection::SelectPupils(CSubject& subject, QWidget* owner) {
    auto* year = dynamic_cast<CYear*>(RootYear());
    if (!year) return false;
    Clear();
    const std::vector<const CStored*> offered = GroupPupils(*year);
    if (groups_.AssociationCount(kNoRelation) > 0)
        AddLevel(&groups_, "NO_FORM", "", std::string(kNoRelation), std::string(kNoRelation));
    for (int line = 0; line < groups_.PropertyCount(); ++line) {
        const std::string name = groups_.PropertyName(line);
        if (name != kNoRelation && groups_.AssociationCount(name) > 0) AddLevel(&groups_, name, "", name, name);
    }
    int columns = 0;
    for (int line = 0; line < groups_.PropertyCount(); ++line) columns += groups_.AssociationCount(groups_.PropertyName(line)) > 0;
    WidenForPage(columns * kFormColumnWidth);
    SetInitialChoice(PupilIdList(subject));
    const StoredRef kept(&subject);
    if (!Execute(true, true, true, owner) || !kept.Get()) return false;
    ApplyPupilSelection(subject, ChosenIds(), offered);
    return true;
}

bool TFormPupilSelection::ClonePupilSelection(CSubject& subject, QWidget* owner) {
    auto* year = dynamic_cast<CYear*>(RootYear());
    if (!year) return false;
    Clear();
    AddLevel(year, "SELECT_SUBJECT_TO_CLONE_PUPIL_ALLOCATIONS_FROM", "", "SUBJECTS", "SUBJECTS");
    ButtonOK().setEnabled(false);
    WidenForPage(kCloningPageWidth);
    const auto chosenSubject = [this] { return dynamic_cast<CSubject*>(ChosenObject()); };
    connect(&Page(), &TFrameSelectionGrid::ChoiceChanged, this,
            [this, chosenSubject] { ButtonOK().setEnabled(chosenSubject() != nullptr); });
    const StoredRef kept(&subject);
    const bool confirmed = Execute(false, false, false, owner);
    ButtonOK().setEnabled(true);
    CSubject* from = chosenSubject();
    if (!confirmed || !from || !kept.Get()) return false;
    ApplyPupilSelection(subject, AssessedPupilIds(*from), GroupPupils(*year));
    return true;
}

}  // namespace vantaro
