#include <QApplication>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <memory>

#include "grid/GridColors.h"
#include "ui/organisers/OrganiserTestSupport.h"
#include "windows/organisers/TFrameAptitudeListingGrid.h"
#include "windows/organisers/TFrameAssessmentOverviewGrid.h"
#include "windows/organisers/TFrameCurriculumOverviewGrid.h"
#include "windows/organisers/TFramePlanningOverviewGrid.h"
#include "windows/organisers/TFramePupilListingGrid.h"
#include "windows/organisers/TFrameReportOverviewGrid.h"

namespace vantaro::test {
namespace {

class OrganiserFilterAndWidthTest : public OrganiserTest {
protected:
    OrganiserFilterAndWidthTest() : OrganiserTest(false) {}

    // Each organiser in a shown window of its own.
    struct Shown {
        const char* name;
        std::unique_ptr<TFormControlerAncestor> window;
        TFrameGridAncestor* page;
    };
    template <class Page>
    static Shown Show(const char* name, CYear* year) {
        auto window = std::make_unique<OrganiserWindow<Page>>(year);
        window->show();
        TFrameGridAncestor* page = window->page;
        return {name, std::move(window), page};
    }
    std::vector<Shown> AllOrganisers() {
        std::vector<Shown> shown;
        shown.push_back(Show<TFramePlanningOverviewGrid>("planning", year));
        shown.push_back(Show<TFrameAssessmentOverviewGrid>("assessment", year));
        shown.push_back(Show<TFrameReportOverviewGrid>("report", year));
        shown.push_back(Show<TFrameCurriculumOverviewGrid>("curriculum", year));
        shown.push_back(Show<TFramePupilListingGrid>("pupil listing", year));
        shown.push_back(Show<TFrameAptitudeListingGrid>("aptitude listing", year));
        return shown;
    }
};

TEST_F(OrganiserFilterAndWidthTest, HidingAFormTakesItsSubjectsAndPupilsOffTheOrganisers) {
    CForm* shown = Form("Year 6");
    CForm* hidden = Form("Year 7");
    CSubject* kept = Subject("Maths", shown);
    CSubject* gone = Subject("Latin", hidden);
    CPupil* stays = Pupil("Ann", "Lee", shown);
    CPupil* leaves = Pupil("Bob", "Hill", hidden);
    Hide({hidden});
    OrganiserWindow<TFramePlanningOverviewGrid> planning(year);
    OrganiserWindow<TFrameAssessmentOverviewGrid> assessment(year);
    OrganiserWindow<TFrameReportOverviewGrid> report(year);
    for (QWidget* window : std::initializer_list<QWidget*>{&planning, &assessment, &report})
        window->show();

    for (TFrameGridAncestor* page :
         std::initializer_list<TFrameGridAncestor*>{planning.page, assessment.page}) {
        EXPECT_GT(ColumnTargeting(*page, kept), 0);
        EXPECT_EQ(ColumnTargeting(*page, gone), -1);
        EXPECT_EQ(page->Grid().ColumnCount(), ColumnTargeting(*page, kept) + 1)
            << "no empty column is left";
    }
    for (TFrameGridAncestor* page :
         std::initializer_list<TFrameGridAncestor*>{assessment.page, report.page}) {
        EXPECT_GT(RowTargeting(*page, stays), 0);
        EXPECT_EQ(RowTargeting(*page, leaves), -1);
        const std::vector<std::string> column0 = ColumnLooks(*page, 0);
        EXPECT_EQ(std::count(column0.begin(), column0.end(), "INFO ROUND Year 7"), 0)
            << "nor the form's row";
    }
}

// The share of a subject column is a text's width over the grid's, capped so that the subjects
// together take no more than the page has left for them.
TEST_F(OrganiserFilterAndWidthTest, SubjectColumnsAreAsWideAsATypicalHeadingWithinTheirShare) {
    Subject("Maths");
    OrganiserWindow<TFramePlanningOverviewGrid> planning(year);
    OrganiserWindow<TFrameAssessmentOverviewGrid> assessment(year);
    planning.show();
    assessment.show();
    const double text = QFontMetricsF(SettingsFont(factory.Settings().Font))
                            .horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQ"));
    const double share = text / planning.page->Grid().viewport()->width();
    ASSERT_LT(share, 0.65);
    EXPECT_DOUBLE_EQ(planning.page->ColumnWidth(1), share);
    EXPECT_DOUBLE_EQ(assessment.page->ColumnWidth(2),
                     text / assessment.page->Grid().viewport()->width());
    EXPECT_DOUBLE_EQ(assessment.page->ColumnWidth(1), 0.1);

    for (int i = 0; i < 40; ++i) Subject("Extra");
    planning.page->Refresh(0);
    assessment.page->Refresh(0);
    EXPECT_DOUBLE_EQ(planning.page->ColumnWidth(1), 0.75 / 41);
    EXPECT_DOUBLE_EQ(assessment.page->ColumnWidth(2), 0.65 / 41);
}

TEST_F(OrganiserFilterAndWidthTest, NoWidthIsInfiniteOrUndefinedWithoutSubjectsOrWidth) {
    for (const bool zeroWidth : {false, true}) {
        for (Shown& shown : AllOrganisers()) {
            SCOPED_TRACE(std::string(shown.name) + (zeroWidth ? ", no width" : ""));
            if (zeroWidth) {
                shown.page->setFixedSize(0, 0);
                QApplication::processEvents();
                ASSERT_EQ(shown.page->Grid().viewport()->width(), 0);
            }
            double total = 0;
            for (int column = 0; column <= shown.page->Grid().ColumnCount(); ++column) {
                const double width = shown.page->ColumnWidth(column);
                EXPECT_TRUE(std::isfinite(width)) << column;
                EXPECT_GE(width, 0) << column;
                total += width;
            }
            EXPECT_LE(total, 1.0);
        }
    }
}

}  // namespace
}  // namespace vantaro::test
