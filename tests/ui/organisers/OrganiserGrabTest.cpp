// Each organiser of a generated school year grabbed to a picture in the build folder
// (organiser-planning.png, ...) for a look by eye.

#include <QFontDatabase>
#include <QImage>

#include <memory>

#include "domain/Lookups.h"
#include "domain/Plans.h"
#include "store/GeneratedStore.h"
#include "ui/organisers/OrganiserTestSupport.h"
#include "windows/organisers/TFrameAptitudeListingGrid.h"
#include "windows/organisers/TFrameAssessmentOverviewGrid.h"
#include "windows/organisers/TFrameCurriculumOverviewGrid.h"
#include "windows/organisers/TFramePlanningOverviewGrid.h"
#include "windows/organisers/TFramePupilListingGrid.h"
#include "windows/organisers/TFrameReportOverviewGrid.h"

namespace vantaro::test {
namespace {

// A class-size year cut down so the suite stays quick under the sanitizers: two forms of six
// pupils sharing the 11 seeded subjects, six each, for the autumn term.
const bench::StoreShape kTwoSmallForms{"class", 2, 6, 11, 6, 3, 1};

class OrganiserGrabTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        platform_ = std::make_unique<FakePlatform>();
        factory_ = std::make_unique<CRovanFactory>();
        bench::GenerateStore(*factory_, kTwoSmallForms);
        factory_->ReadSettings();
        factory_->SetDeletedCountsAsHidden(true);
        // The generator teaches a subject to several forms; give a few one form each so that
        // the subject columns show form bands too.
        const CYear& year = *factory_->Year();
        const std::vector<CStored*> pupils = year.AssociationItems("PUPILS");
        CStored* forms[] = {pupils.front()->GetRelation("FORM"),
                            pupils.back()->GetRelation("FORM")};
        const std::vector<CStored*> subjects = year.AssociationItems("SUBJECTS");
        for (std::size_t i = 0; i < 5; ++i)
            subjects[subjects.size() - 1 - i]->SetRelation("FORM", forms[i % 2]);
        // A few lessons without a plan, so that the planning organiser shows empty lesson cells.
        const CStored* firstWeek = year.AssociationItem("TERMS", 0)->AssociationItem("WEEKS", 0);
        for (CStored* day : firstWeek->AssociationItems("DAYS"))
            for (std::size_t i = 1; i < 4; ++i)
                factory_->MoveToTrash(LessonPlanFor(static_cast<CSubject&>(*subjects[i]),
                                                    static_cast<CDay*>(day), false));
    }
    static void TearDownTestSuite() {
        factory_.reset();
        platform_.reset();
    }
    OrganiserGrabTest() : previous_(CFactory::MainFactory()) {
        CFactory::SetMainFactory(factory_.get());
    }
    ~OrganiserGrabTest() override { CFactory::SetMainFactory(previous_); }

    template <class Page>
    static void Grab(const char* name) {
        SCOPED_TRACE(name);
        OrganiserWindow<Page> window(factory_->Year(), QSize(1000, 640));
        window.show();
        QApplication::processEvents();  // scroll bars show or hide once the loop runs
        const QImage image = window.grab().toImage();
        EXPECT_TRUE(image.save(
            QStringLiteral(VANTARO_BINARY_DIR "/organiser-%1.png").arg(QLatin1String(name))));
        EXPECT_GT(window.page->Grid().RowCount(), 2);
    }

    static std::unique_ptr<FakePlatform> platform_;
    static std::unique_ptr<CRovanFactory> factory_;

private:
    CFactory* previous_;
};

std::unique_ptr<FakePlatform> OrganiserGrabTest::platform_;
std::unique_ptr<CRovanFactory> OrganiserGrabTest::factory_;

TEST_F(OrganiserGrabTest, EveryOrganiserOfAGeneratedYearIsGrabbed) {
    ASSERT_FALSE(QFontDatabase::families().isEmpty())
        << "without a font every text is drawn as boxes";
    Grab<TFramePlanningOverviewGrid>("planning");
    Grab<TFrameAssessmentOverviewGrid>("assessment");
    Grab<TFrameReportOverviewGrid>("report");
    Grab<TFrameCurriculumOverviewGrid>("curriculum");
    Grab<TFramePupilListingGrid>("pupils");
    Grab<TFrameAptitudeListingGrid>("aptitudes");
}

}  // namespace
}  // namespace vantaro::test
