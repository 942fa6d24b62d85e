#include "windows/DataWindows.h"

#include "windows/assessment/TFormAssessmentData.h"
#include "windows/curriculum/TFormCurriculumData.h"
#include "windows/main/TFormMain.h"
#include "windows/plan/TFormPlanData.h"
#include "windows/report/TFormReportData.h"

namespace vantaro {

void InstallDataWindows(TFormMain& main) {
    main.SetDataWindowMaker(DataWindowKind::Plans, [](TFormMain& owner, const std::vector<CStored*>& objects) {
        return TFormPlanData::Open(owner, objects);
    });
    main.SetDataWindowMaker(DataWindowKind::Assessments, [](TFormMain& owner, const std::vector<CStored*>& objects) {
        return TFormAssessmentData::Open(owner, objects);
    });
    main.SetDataWindowMaker(DataWindowKind::Curricula, [](TFormMain& owner, const std::vector<CStored*>& objects) {
        return TFormCurriculumData::Open(owner, objects);
    });
    main.SetDataWindowMaker(DataWindowKind::Reports, [](TFormMain& owner, const std::vector<CStored*>& objects) {
        return TFormReportData::Open(owner, objects);
    });
}

}  // namespace vantaro
