#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CSubject;

// The sets of a subject: one column per set, one row per pupil assessed in the subject, the
// pupil's set ticked; a click on another set's cell moves the pupil into it.
class TFrameSetManagerGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameSetManagerGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    void PupilRows(CSubject& subject, const std::vector<CStored*>& sets);
};

}  // namespace vantaro
