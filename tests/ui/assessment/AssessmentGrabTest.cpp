// The four views of an assessment window on a generated class, grabbed to pictures in the build
// folder (assessment-outcomes.png, ...) for a look by eye.

#include <QImage>

#include "domain/StoredAccess.h"
#include "store/GeneratedStore.h"
#include "ui/assessment/AssessmentTestSupport.h"

namespace vantaro::test {
namespace {

// One form of eight pupils taking four subjects over the autumn term.
const bench::StoreShape kOneClass{"class", 1, 8, 4, 4, 3, 1};

TEST(AssessmentGrabTest, EveryViewOfAGeneratedClassIsGrabbed) {
    FakePlatform platform;
    CRovanFactory factory;
    bench::GenerateStore(factory, kOneClass);
    factory.ReadSettings();
    factory.SetDeletedCountsAsHidden(true);
    CFactory* previous = CFactory::MainFactory();
    CFactory::SetMainFactory(&factory);
    {
        // The first subject's class, then every subject of its first pupil.
        const std::vector<CSubject*> subjects = MembersAs<CSubject>(*factory.Year(), "SUBJECTS");
        std::vector<CStored*> assessments = subjects.front()->AssociationItems("ASSESSMENTS");
        CStored* pupil = assessments.front()->GetRelation("PUPIL");
        for (std::size_t i = 1; i < subjects.size(); ++i)
            if (CStored* other = AssessmentFor(*subjects[i], pupil, false))
                assessments.push_back(other);
        FakeMain main;
        main.widget.setGeometry(40, 40, 1000, 700);
        main.widget.show();
        QPointer<TFormAssessmentData> window = TFormAssessmentData::Open(main, assessments);
        ASSERT_NE(window, nullptr);
        window->show();
        const char* names[] = {"outcomes", "lesson-notes", "targets", "pupil-notes"};
        const char* actions[] = {"ACTIONVIEWASSESSEDOUTCOMES", "ACTIONVIEWLESSONNOTES",
                                 "ACTIONVIEWTARGETSETTING", "ACTIONVIEWPUPILNOTES"};
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(names[i]);
            window->RunAction(window->FindAction(actions[i]));
            QApplication::processEvents();
            EXPECT_GT(window->CurrentView()->Grid().RowCount(), 2);
            const QImage image = window->grab().toImage();
            EXPECT_TRUE(image.save(QStringLiteral(VANTARO_BINARY_DIR "/assessment-%1.png")
                                       .arg(QLatin1String(names[i]))));
        }
        EXPECT_TRUE(platform.prompts.prompts.empty());
        window->CloseWithoutAsking();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    CFactory::SetMainFactory(previous);
}

}  // namespace
}  // namespace vantaro::test
