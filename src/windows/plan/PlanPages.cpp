#include "windows/plan/PlanPages.h"

#include "domain/Lookups.h"
#include "grid/markup/CellMarkup.h"
#include "routines/IdentifierCaption.h"
#include "routines/NumberText.h"
#include "routines/TextBasics.h"

namespace vantaro {

std::string PlanHeading(const CStored& plan, std::string_view viewWord) {
    const CStored* subject = plan.GetRelation("SUBJECT");
    std::string heading = subject ? subject->DisplayText() : std::string();
    heading.append(" ").append(IdentifierCaption(viewWord));
    if (const CStored* period = PeriodOf(plan))
        heading.append(" ").append(IdentifierCaption("FOR")).append(" ").append(period->DisplayText());
    return Trim(heading);
}

int ScoreType(double score) { return ScoreTypeIndex(StoredValueText(score)); }

}  // namespace vantaro
