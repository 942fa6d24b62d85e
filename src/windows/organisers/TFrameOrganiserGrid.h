#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "domain/StoredAccess.h"
#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CPupil;
class CRelationManager;
class CSubject;
class CYear;

// The base of the organiser pages shown for the loaded year: their pictures (0 an existing item,
// 1 a lesson plan) and the bands and groupings several of them build. The pages keep nothing
// between builds; the grouping of subjects and pupils by form is made afresh in each.
class TFrameOrganiserGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameOrganiserGrid(QWidget* parent = nullptr);

    // The shown pupils in the order PupilRowsByForm lists them.
    std::vector<CPupil*> PupilsByForm(const CYear& year) const;

protected:
    struct SubjectColumn {
        int column;
        CSubject* subject;
    };

    // The root object when it is a year, else null.
    CYear* Year() const;
    // Hidden by the main factory: on the filter's hide list, deleted, or missing.
    bool Hidden(const CStored* object) const;
    // The members of class T that are not hidden, in member order.
    template <class T>
    std::vector<T*> ShownMembers(const CStored& owner, std::string_view association) const {
        std::vector<T*> shown;
        for (T* member : MembersAs<T>(owner, association))
            if (!Hidden(member)) shown.push_back(member);
        return shown;
    }

    // Row 0 across every column up to the cursor's: the title in the first cell, every cell
    // targeting the year.
    void TitleBand(std::string_view title);
    // A heading across the current row's first `columns` cells, the text and level in the first
    // (so the band is indented as a whole), every cell targeting the object.
    void HeadingBand(int columns, std::string_view text, const CStored* object, int level);
    // One column per shown subject after the cursor's column, grouped by form with the subjects
    // without a form first: the form's label band in row 1, the subject's heading in row 2.
    std::vector<SubjectColumn> SubjectColumnsByForm(const CYear& year);
    // One row per shown pupil below the cursor's row, grouped by form with the pupils without a
    // form first, each form's pupils under a row naming it. fillRow adds the rest of each
    // pupil's row while the cursor is on it.
    void PupilRowsByForm(const CYear& year, const std::function<void(CPupil&)>& fillRow);

    // The share of the page width a subject column takes: the width of a typical subject
    // heading over the grid's client width, at most an equal part of `total` among
    // `sharedColumns` columns. Never more than `total`, whatever the width or count.
    double SubjectColumnShare(double total, int sharedColumns);

private:
    // Empties the groups and adds one per form of the year, in the year's order.
    void StartFormGroups(CRelationManager& groups, const CYear& year) const;
    // Adds the item to its form's group, or to NO_RELATION without a form; nothing when its form
    // is hidden.
    void AddToFormGroup(CRelationManager& groups, CStored& item) const;
    // The groups' names in line order, NO_RELATION first (forms showing the same text share
    // one group), with the members of each sorted.
    static std::vector<std::string> GroupNames(CRelationManager& groups);
    struct PupilGroup {
        std::string name;  // NO_RELATION for the pupils without a form
        std::vector<CPupil*> pupils;
    };
    std::vector<PupilGroup> PupilGroups(const CYear& year) const;
};

}  // namespace vantaro
