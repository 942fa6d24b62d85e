#include "windows/report/ReportsPdf.h"

#include "controllers/data/MainWindowCommands.h"
#include "domain/People.h"
#include "routines/Platform.h"
#include "windows/report/TFrameReportGrid.h"

namespace vantaro {

bool WriteReportsPdf(const std::vector<CStored*>& pupils, const QString& path) {
    BusyScope busy;
    // A page of its own, never shown, so an open report window keeps its place and its editor.
    TFrameReportGrid page;
    page.SetObjectList(pupils);
    page.SetPagePerTitle(true);
    page.Refresh(0);
    return page.SaveAsPdf(path);
}

bool SaveAllReportsAsPdf(MainWindowCommands& main, const std::vector<CStored*>& pupils, const QString& title) {
    bool anyPupil = false;
    for (const CStored* object : pupils) anyPupil = anyPupil || dynamic_cast<const CPupil*>(object);
    if (!anyPupil) {
        Platform::Prompts().Ask("Missing Pupils", "There Are No Pupil Reports To Save.", MessageButtons::Close);
        return false;
    }
    QString name = title;
    for (const QChar separator : {QLatin1Char('/'), QLatin1Char('\\'), QLatin1Char(':')}) name.replace(separator, QLatin1Char('-'));
    const QString path = main.ChoosePdfFile(name + QStringLiteral(".pdf"));
    return !path.isEmpty() && WriteReportsPdf(pupils, path);
}

}  // namespace vantaro
