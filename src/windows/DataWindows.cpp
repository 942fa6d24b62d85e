#include "windows/DataWindows.h"

#include "windows/main/TFormMain.h"
#include "windows/plan/TFormPlanData.h"

namespace vantaro {

void InstallDataWindows(TFormMain& main) {
    main.SetDataWindowMaker(DataWindowKind::Plans, [](TFormMain& owner, const std::vector<CStored*>& objects) {
        return TFormPlanData::Open(owner, objects);
    });
}

}  // namespace vantaro
