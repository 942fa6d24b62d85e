#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CCurriculum;

// The curricula of the page one after the other: each under its title, its attainments, their
// curriculum levels and the levels' statements, indented by depth, hidden ones left out. The
// statements are edited in place, or read-only and ready to drag in drag-source mode.
class TFrameCurriculumStatementListingGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameCurriculumStatementListingGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

private:
    void CurriculumRows(CCurriculum& curriculum);
};

}  // namespace vantaro
