#include "windows/sets/TFrameSetManagerGrid.h"

#include <algorithm>

#include "domain/Assessments.h"
#include "domain/People.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "grid/ImageList.h"
#include "grid/markup/CellMarkup.h"

namespace vantaro {
namespace {

constexpr int kInSetPicture = 0;
constexpr int kNoPicture = -1;
// A set column is as wide as this text, while the sets fit.
constexpr char kTypicalSet[] = "ABCDEFGHIJKLMNOPQ";

}  // namespace

TFrameSetManagerGrid::TFrameSetManagerGrid(QWidget* parent) : TFrameGridAncestor(parent) {
    SetPictures(&grid_images::TickPictures());
}

double TFrameSetManagerGrid::ColumnWidth(int column) {
    if (column == 0) return 0.25;
    return TextColumnShare(kTypicalSet, 0.75 / std::max(Grid().ColumnCount() - 1, 1));
}

void TFrameSetManagerGrid::BuildPage() {
    BeginPage(1, 3);
    auto* subject = dynamic_cast<CSubject*>(Object());
    if (!subject) {
        EndPage(0, 0);
        return;
    }
    std::vector<CStored*> sets;
    for (CSet* set : ShownMembers<CSet>(*subject, "SETS")) {
        NextColumn();
        SetCell(CurrentColumn(), 2, HeadingCell(set->DisplayText(), {.target = set}));
        sets.push_back(set);
    }
    if (sets.empty()) NextColumn();
    const int last = CurrentColumn();
    if (last == 1) {
        SetCell(1, 1, TitleCell(subject->DisplayText(), {.target = subject}));
    } else {
        SetCell(1, 1, TitleCellStart(subject->DisplayText(), {.target = subject}));
        for (int column = 2; column < last; ++column) SetCell(column, 1, TitleCellMiddle({}, {.target = subject}));
        SetCell(last, 1, TitleCellEnd({}, {.target = subject}));
    }
    PupilRows(*subject, sets);
    EndPage(3, 1);
}

// The assessments are sorted in the store, so the subject keeps its pupils in name order.
void TFrameSetManagerGrid::PupilRows(CSubject& subject, const std::vector<CStored*>& sets) {
    subject.SortAssociations("ASSESSMENTS");
    for (CAssessment* assessment : ShownMembers<CAssessment>(subject, "ASSESSMENTS")) {
        const auto* pupil = RelationAs<CPupil>(*assessment, "PUPIL");
        if (!pupil || IsHiddenIn(subject, pupil)) continue;
        NextRow();
        SetRowCell(0, HeadingCell(pupil->DisplayText(), {.target = assessment, .source = pupil}));
        const CStored* current = assessment->GetRelation("SET");
        for (std::size_t i = 0; i < sets.size(); ++i) {
            const bool inSet = current == sets[i];
            SetRowCell(static_cast<int>(i) + 1,
                       PictureCell(inSet ? kInSetPicture : kNoPicture,
                                   {.action = inSet ? "" : "ActionIncludeSet", .target = assessment, .source = sets[i]}));
        }
    }
}

}  // namespace vantaro
