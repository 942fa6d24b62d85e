// The object map: the ownership tree, its count and copy, and Check RI with its report and Fix.

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "domain/Periods.h"
#include "routines/DebugLog.h"
#include "support/ScopedCurrentFolder.h"
#include "support/TempDir.h"
#include "ui/controllers/ControllerTestSupport.h"
#include "routines/Errors.h"
#include "windows/store/HideListGuard.h"
#include "windows/store/IntegrityReport.h"
#include "windows/store/TFormObjectMapControler.h"
#include "windows/store/TFrameObjectMapGrid.h"

namespace vantaro::test {
namespace {

class ObjectMapTest : public ControllerTest {
protected:
    ObjectMapTest() {
        form->SetAttributeValue("DESCRIPTION", "Year 1");
        ann->SetAttributeValue("FIRST_NAME", "Ann");
        ann->SetAttributeValue("LAST_NAME", "Lee");
        factory.SetHiddenIDs(std::to_string(form->ID()));
    }
    // Shows the map; the user acts on it, then presses OK.
    void RunMap(std::function<void(TFormObjectMapControler&)> user) {
        WhenModal([&](QWidget&) {
            auto* map = ModalWindow<TFormObjectMapControler>();
            ASSERT_NE(map, nullptr);
            user(*map);
            QTest::mouseClick(&map->ButtonOK(), Qt::LeftButton);
        });
        EXPECT_TRUE(mapWindow.ShowObjectMap(factory, &window));
    }
    static int RowsOf(const TFrameGridAncestor& page, const CStored* object) {
        int rows = 0;
        for (int row = 1; row < page.Grid().RowCount(); ++row) rows += CellTarget(page.Cell(0, row)) == object;
        return rows;
    }
    const RecordingPrompts::Prompt& LastPrompt() const { return platform.prompts.prompts.back(); }

    TempDir folder;
    ScopedCurrentFolder inFolder{folder.path()};
    CForm* form = year->NewForm();
    CPupil* ann = year->NewPupil();
    TFormObjectMapControler mapWindow{&window};
};

TEST_F(ObjectMapTest, TheTreeShowsHiddenObjectsCountsEachRowAndKeepsTheFilter) {
    year->AddToAssociation("STAFF", ann);  // owned twice: a row under each owner
    const std::string hidden = factory.GetHiddenIDs();
    RunMap([&](TFormObjectMapControler& map) {
        EXPECT_EQ(map.windowTitle(), QStringLiteral("Object Map"));
        const TFrameGridAncestor& page = map.MapPage();
        EXPECT_EQ(CellDisplayText(page.Cell(4, 0)), "Unique Idntifer");
        EXPECT_EQ(RowsOf(page, form), 1) << "the hidden form is there";
        EXPECT_EQ(RowsOf(page, ann), 2);
        const int annRow = CellTargeting(page, ann).y();
        EXPECT_EQ(CellDisplayText(page.Cell(1, annRow)), "Pupil");
        EXPECT_EQ(CellDisplayText(page.Cell(2, annRow)), std::to_string(ann->ID()));
        EXPECT_EQ(CellDisplayText(page.Cell(3, annRow)), "New");
        EXPECT_EQ(CellDisplayText(page.Cell(4, annRow)), ann->PathText());
        EXPECT_EQ(CellDisplayText(page.Cell(5, annRow)), std::to_string(year->ID()));
        EXPECT_EQ(CellDisplayText(page.Cell(5, 1)), "nil") << "the year has no parent";
        const int objects = map.MapPage().ObjectCount();
        EXPECT_EQ(objects, factory.Objects().Count() + 1) << "Ann counts twice";
        EXPECT_EQ(map.LabelObjectCount().text(), QString::number(objects) + QStringLiteral(" Objects"));
        EXPECT_EQ(factory.GetHiddenIDs(), hidden) << "the filter stays while the map is open";

        QTest::keyClick(&map.MapPage().Grid(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_TRUE(QApplication::clipboard()->text().startsWith(QStringLiteral("Name\tType\tID\t")));
        EXPECT_TRUE(map.grab().toImage().save(QStringLiteral(VANTARO_BINARY_DIR "/object-map.png")));
    });
    EXPECT_EQ(factory.GetHiddenIDs(), hidden);
}

TEST_F(ObjectMapTest, ACleanStoreReportsFourZeroCountsWithOnlyAClose) {
    RunMap([&](TFormObjectMapControler& map) {
        platform.prompts.answers = {false};
        QTest::mouseClick(&map.ButtonCheck(), Qt::LeftButton);
        EXPECT_EQ(LastPrompt().text, "The Trash Will be emptied befor the check is completed");
        EXPECT_FALSE(map.StoreChanged()) << "Cancel checks nothing";

        QTest::mouseClick(&map.ButtonCheck(), Qt::LeftButton);
        EXPECT_EQ(LastPrompt().caption, "Referential Integrity Check");
        EXPECT_EQ(LastPrompt().buttons, MessageButtons::Close);
        EXPECT_NE(LastPrompt().text.find("\tOrphan Count:\t0\r\n"), std::string::npos);
        EXPECT_EQ(LastPrompt().text.find("Fix will remove"), std::string::npos);
    });
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "DebugLog.txt")) << "nothing to log";
}

// One error of each kind: a form whose PARENT is not its owner, a pupil owned twice, a pupil
// no one owns, and two forms of one name.
TEST_F(ObjectMapTest, FixIsOfferedAfterTheReportListsWhatItRemoves) {
    CForm* adopted = year->NewForm();
    adopted->SetAttributeValue("DESCRIPTION", "Year 2");
    adopted->SetRelation("PARENT", ann);
    year->AddToAssociation("STAFF", ann);
    CPupil* orphan = year->NewPupil();
    orphan->SetAttributeValue("LAST_NAME", "Nobody");
    year->SetAssociationIDs("PUPILS", std::to_string(ann->ID()));
    year->NewForm()->SetAttributeValue("DESCRIPTION", "Year 1");
    const StoredRef annRef(ann), orphanRef(orphan);
    const std::string annPath = ann->PathText(), orphanPath = orphan->PathText();

    RunMap([&](TFormObjectMapControler& map) {
        platform.prompts.answers = {true, false};  // check, then Cancel on the report
        QTest::mouseClick(&map.ButtonCheck(), Qt::LeftButton);
        const std::string report = LastPrompt().text;
        EXPECT_EQ(LastPrompt().buttons, MessageButtons::FixCancel);
        EXPECT_NE(report.find("Fix will remove these objects"), std::string::npos) << report;
        EXPECT_NE(report.find("\tPupil\t" + annPath + "\r\n"), std::string::npos) << report;
        EXPECT_NE(report.find("\tPupil\t" + orphanPath + "\r\n"), std::string::npos) << report;
        EXPECT_NE(report.find("written to " + DebugLogPath()), std::string::npos) << report;
        EXPECT_TRUE(annRef.IsAlive() && orphanRef.IsAlive()) << "Cancel repairs nothing";

        platform.prompts.answers = {true, true};  // check, then Fix
        QTest::mouseClick(&map.ButtonCheck(), Qt::LeftButton);
        EXPECT_EQ(map.LabelObjectCount().text(), QString::number(map.MapPage().ObjectCount()) + QStringLiteral(" Objects"));
    });
    EXPECT_FALSE(annRef.IsAlive());
    EXPECT_FALSE(orphanRef.IsAlive());
    EXPECT_EQ(adopted->GetRelation("PARENT"), year);
    EXPECT_EQ(year->AssociationItems("FORMS").back()->GetAttributeValue("DESCRIPTION"),
              "Year 1" + std::to_string(year->AssociationItems("FORMS").back()->ID()));
    EXPECT_TRUE(mapWindow.StoreChanged());
}

TEST_F(ObjectMapTest, ACheckWhoseLogCannotBeWrittenStillReportsAndSaysSo) {
    year->SetAssociationIDs("PUPILS", "");  // Ann is an orphan now
    std::filesystem::create_directory(folder.path() / "DebugLog.txt");
    RunMap([&](TFormObjectMapControler& map) {
        platform.prompts.answers = {true, false};
        QTest::mouseClick(&map.ButtonCheck(), Qt::LeftButton);
        EXPECT_EQ(LastPrompt().buttons, MessageButtons::FixCancel);
        EXPECT_NE(LastPrompt().text.find("\tOrphan Count:\t1\r\n"), std::string::npos);
        EXPECT_NE(LastPrompt().text.find("could not be written to " + DebugLogPath()), std::string::npos)
            << LastPrompt().text;
    });
}

TEST_F(ObjectMapTest, TheHideListComesBackHoweverTheListingEnds) {
    const std::string hidden = factory.GetHiddenIDs();
    EXPECT_THROW(
        {
            HideListGuard shownWhole(factory);
            EXPECT_EQ(factory.GetHiddenIDs(), "");
            throw EInOutError("a listing failed");
        },
        EInOutError);
    EXPECT_EQ(factory.GetHiddenIDs(), hidden);
}

TEST(IntegrityReportTest, ListsTheFirstRemovalsAndWhereTheDetailsWent) {
    IntegrityFindings findings{120, {.orphans = 12}, {}, "/school/DebugLog.txt"};
    for (int i = 1; i <= 12; ++i) findings.removals.push_back("Note\tNote " + std::to_string(i));
    std::string text = IntegrityReportText(findings);
    EXPECT_EQ(text.substr(0, text.find("\r\n\r\n")),
              "120 Objects Verfirifed\r\n\tAdoption Count:\t0\r\n\tSurrogate Count:\t0\r\n\tOrphan Count:\t12\r\n"
              "\tDuplicate Count:\t0");
    EXPECT_NE(text.find("\tNote 10\r\n\tand 2 more\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Note 11"), std::string::npos);
    EXPECT_TRUE(text.ends_with("The details were written to /school/DebugLog.txt."));

    findings.counts.logFailure = "Cannot write DebugLog.txt";
    text = IntegrityReportText(findings);
    EXPECT_TRUE(text.ends_with("could not be written to /school/DebugLog.txt: Cannot write DebugLog.txt."));
}

}  // namespace
}  // namespace vantaro::test
