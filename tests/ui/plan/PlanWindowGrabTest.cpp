// Each view of a plan window on a generated class's week of lessons grabbed to a picture in the
// build folder (plan-window-plan.png, ...) for a look by eye.

#include <QImage>

#include <memory>

#include "store/GeneratedStore.h"
#include "ui/plan/PlanWindowTestSupport.h"
#include "windows/plan/TFormPlanData.h"

namespace vantaro::test {
namespace {

TEST(PlanWindowGrabTest, EachViewOfAWeeksLessonsInOneSubject) {
    FakePlatform platform;
    CRovanFactory factory;
    bench::GenerateStore(factory, {"class", 1, 12, 11, 4, 1, 1});
    factory.ReadSettings();
    factory.SetDeletedCountsAsHidden(true);
    CFactory* previous = CFactory::MainFactory();
    CFactory::SetMainFactory(&factory);
    {
        auto* subject = static_cast<CSubject*>(factory.Year()->AssociationItems("SUBJECTS").front());
        std::vector<CStored*> lessons;
        const CStored* week = factory.Year()->AssociationItem("TERMS", 0)->AssociationItem("WEEKS", 1);
        for (CStored* day : week->AssociationItems("DAYS"))
            if (CLessonPlan* lesson = LessonPlanFor(*subject, static_cast<CDay*>(day), false)) lessons.push_back(lesson);
        ASSERT_FALSE(lessons.empty());
        lessons.resize(std::min<std::size_t>(lessons.size(), 2));
        FakeMain main;
        main.widget.setGeometry(40, 40, 1000, 640);  // the window takes the main window's place
        main.widget.show();
        QPointer<TFormPlanData> window = TFormPlanData::Open(main, lessons);
        ASSERT_NE(window, nullptr);
        window->show();
        for (const char* view : {"PLAN", "OUTCOMES", "EVALUATION"}) {
            window->RunAction(window->FindAction("ACTIONVIEW" + std::string(view)));
            QApplication::processEvents();
            EXPECT_GT(window->CurrentView()->Grid().RowCount(), 2) << view;
            EXPECT_TRUE(window->grab().toImage().save(
                QStringLiteral(VANTARO_BINARY_DIR "/plan-window-%1.png").arg(QString::fromLatin1(view).toLower())));
        }
        window->CloseWithoutAsking();
    }
    CFactory::SetMainFactory(previous);
}

}  // namespace
}  // namespace vantaro::test
