#pragma once

#include <vector>

#include "controllers/selection/TFormSelectionControler.h"
#include "factory/CRelationManager.h"

namespace vantaro {

class CSubject;
class CYear;

// Decides which pupils are assessed in a subject: by ticking them, one column of pupils per
// form (those without a form first), or by copying the allocation of another subject. OK applies
// the choice to the subject; Cancel changes nothing. Pupils not offered (those of a hidden form)
// keep what they have.
class TFormPupilSelection : public TFormSelectionControler {
    Q_OBJECT

public:
    explicit TFormPupilSelection(QWidget* parent = nullptr);

    // Each answers true when OK applied a choice.
    bool SelectPupils(CSubject& subject, QWidget* owner);
    // OK stays disabled until a subject is chosen.
    bool ClonePupilSelection(CSubject& subject, QWidget* owner);

private:
    // Groups the year's shown pupils by shown form in the grouping object; the pupils offered.
    std::vector<const CStored*> GroupPupils(CYear& year);
    // Makes the window wide enough for the page, within the screen; a wider size is kept.
    void WidenForPage(int pageWidth);

    CRelationManager groups_;
};

}  // namespace vantaro
