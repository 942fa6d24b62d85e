#include "windows/organisers/TFramePupilListingGrid.h"

#include <array>

#include "domain/People.h"
#include "domain/Periods.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"

namespace vantaro {
namespace {

// Column 1 is kept empty and takes no width.
constexpr int kGap = 1;
constexpr std::array kWidths{0.25, 0.0, 0.15, 0.1, 0.15, 0.1, 0.15, 0.1};
constexpr std::array kHeadings{"FIRST_NAME", "INITALS",       "LAST_NAME",
                               "GENDER",     "DATE_OF_BIRTH", "FORM"};
constexpr int kFirstHeading = 2;

std::string DisplayTextOf(const CStored* object) {
    return object ? object->DisplayText() : std::string();
}

}  // namespace

TFramePupilListingGrid::TFramePupilListingGrid(QWidget* parent) : TFrameOrganiserGrid(parent) {}

double TFramePupilListingGrid::ColumnWidth(int column) {
    return column >= 0 && column < static_cast<int>(kWidths.size()) ? kWidths[column] : 0;
}

void TFramePupilListingGrid::BuildPage() {
    BeginPage(static_cast<int>(kWidths.size()), 1);
    TitleBand(IdentifierCaption("PUPIL_LISTING"));
    SetRowCell(kGap, {});
    NextRow();
    for (std::size_t i = 0; i < kHeadings.size(); ++i)
        SetRowCell(kFirstHeading + static_cast<int>(i), InfoCell(IdentifierCaption(kHeadings[i])));
    if (const CYear* year = Year())
        for (CPupil* pupil : ShownMembers<CPupil>(*year, "PUPILS"))
            if (Listed(*pupil)) PupilRow(*pupil);
    EndPage(2, 0);
}

bool TFramePupilListingGrid::Listed(const CPupil& pupil) const {
    for (const char* relation : {"FORM", "GENDER"}) {
        const CStored* related = pupil.GetRelation(relation);
        if (related && Hidden(related)) return false;
    }
    return true;
}

void TFramePupilListingGrid::PupilRow(CPupil& pupil) {
    NextRow();
    SetRowCell(0, HeadingCell(pupil.DisplayText(), {.target = &pupil}));
    SetRowCell(2, DataLineCell(&pupil, "FIRST_NAME"));
    SetRowCell(3, DataLineCell(&pupil, "MIDDLE_INITIALS"));
    SetRowCell(4, DataLineCell(&pupil, "LAST_NAME"));
    SetRowCell(5, LabelCell(DisplayTextOf(pupil.GetRelation("GENDER")),
                            {.action = "ActionChooseGender", .target = &pupil}));
    SetRowCell(6, ParameterDataCell(&pupil, "DATE_OF_BIRTH",
                                    {.action = "ActionChooseDate", .target = &pupil}));
    SetRowCell(7, LabelCell(DisplayTextOf(pupil.GetRelation("FORM")),
                            {.action = "ActionChooseForm", .target = &pupil}));
}

}  // namespace vantaro
