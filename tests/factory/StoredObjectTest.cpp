#include <gtest/gtest.h>

#include <functional>

#include "factory/CRelationManager.h"
#include "factory/TestClasses.h"
#include "routines/Errors.h"
#include "routines/XMLRoutines.h"
#include "support/FakePlatform.h"

namespace vantaro::test {
namespace {

class StoredObjectTest : public ::testing::Test {
protected:
    // A folder and a note read from a file: permanent IDs, status Saved.
    void SetUp() override {
        folder_ = factory_.AddObject(std::make_unique<CTestFolder>(nullptr, 10));
        note_ = factory_.AddObject(std::make_unique<CTestNote>(folder_, 20));
        folder_->MarkSaved(10);
        note_->MarkSaved(20);
    }

    FakePlatform platform_;
    CTestFactory factory_;
    CTestFolder* folder_ = nullptr;
    CTestNote* note_ = nullptr;
};

TEST(StoredIdentity, TemporaryIDsCountDownFromTheGroupingObject) {
    // The grouping object is made before main, so it took the first ID of the process.
    EXPECT_EQ(CRelationManager::Instance().ID(), -2);
    CTestNote first;
    CTestNote second;
    CTestNote loaded(nullptr, 42);
    EXPECT_LT(first.ID(), -2);
    EXPECT_EQ(second.ID(), first.ID() - 1);
    EXPECT_EQ(loaded.ID(), 42);
    EXPECT_EQ(loaded.Status(), StoredStatus::New);
    loaded.NewID();
    EXPECT_EQ(loaded.ID(), first.ID() - 3);  // the loaded object used one up as well
}

TEST(StoredIdentity, ParentlessObjectHasOnlyAnEmptyParentLineAndAnEmptyBody) {
    CTestFolder folder(nullptr, 7);
    ASSERT_EQ(folder.PropertyCount(), 6);
    EXPECT_EQ(folder.PropertyLine(0), R"(<RELATION AGGREGATE="FALSE" NAME="PARENT"></RELATION>)");
    EXPECT_EQ(folder.GetParent(), nullptr);
    EXPECT_EQ(folder.ToText(), "<OBJECT ID=\"7\" CLASS=\"CFolder\">\r\n</OBJECT>\r\n");
}

TEST_F(StoredObjectTest, ToTextWritesNonEmptyLinesIndentedWithCrLf) {
    CTestFolder* day = factory_.Make<CTestFolder>();
    day->MarkSaved(30);
    folder_->SetRelation("DAY", day);
    folder_->AddToAssociation("NOTES", note_);
    folder_->SetLink("ACHIEVEMENTS", note_, day);
    folder_->SetAttributeValue("DESCRIPTION", "Maths &amp; more");
    EXPECT_EQ(folder_->ToText(),
              "<OBJECT ID=\"10\" CLASS=\"CFolder\">\r\n"
              "  <ATTRIBUTE NAME=\"DESCRIPTION\" FORMAT=\"STRING\">Maths &amp; more</ATTRIBUTE>\r\n"
              "  <ASSOCATION AGGREGATE=\"TRUE\" NAME=\"NOTES\">20</ASSOCATION>\r\n"
              "  <LINK NAME=\"ACHIEVEMENTS\">20.30</LINK>\r\n"
              "  <RELATION AGGREGATE=\"TRUE\" NAME=\"DAY\">30</RELATION>\r\n"
              "</OBJECT>\r\n");
    EXPECT_EQ(note_->ToText(),
              "<OBJECT ID=\"20\" CLASS=\"CNote\">\r\n"
              "  <RELATION AGGREGATE=\"FALSE\" NAME=\"PARENT\">10</RELATION>\r\n"
              "  <ATTRIBUTE NAME=\"DATE\" FORMAT=\"DATE\">-2</ATTRIBUTE>\r\n"
              "</OBJECT>\r\n");
}

TEST_F(StoredObjectTest, LoadedLinesMergeIntoTheTemplates) {
    CTestNote note(nullptr, 5);
    note.SetFactory(&factory_);
    // The program's FORMAT and AGGREGATE win over the file's; only the content is taken.
    note.AddProperty(R"(<ATTRIBUTE NAME="DATE" FORMAT="STRING">39156</ATTRIBUTE>)");
    note.AddProperty(R"(<RELATION AGGREGATE="TRUE" NAME="LESSON_PLAN">10</RELATION>)");
    // A line the class does not declare is appended, with a list when it refers to objects.
    note.AddProperty(R"(<ASSOCATION AGGREGATE="FALSE" NAME="EXTRA">20,999,10</ASSOCATION>)");
    note.AddProperty(R"(<ATTRIBUTE NAME="COLOUR" FORMAT="CODE">red</ATTRIBUTE>)");
    // Any other tag replaces a line of the same tag and NAME whole.
    note.AddProperty(R"(<OTHER NAME="X" KIND="A">1</OTHER>)");
    note.AddProperty(R"(<OTHER NAME="X" KIND="B">2</OTHER>)");
    EXPECT_EQ(note.Status(), StoredStatus::New);

    EXPECT_EQ(note.PropertyLine(1), R"(<ATTRIBUTE NAME="DATE" FORMAT="DATE">39156</ATTRIBUTE>)");
    EXPECT_EQ(note.PropertyLine(3),
              R"(<RELATION AGGREGATE="FALSE" NAME="LESSON_PLAN">10</RELATION>)");
    ASSERT_EQ(note.PropertyCount(), 8);
    EXPECT_EQ(note.PropertyLine(7), R"(<OTHER NAME="X" KIND="B">2</OTHER>)");
    EXPECT_EQ(note.AssociationCount("EXTRA"), 0);  // nothing is resolved while loading

    note.ResolveReferences();
    EXPECT_EQ(note.AssociationItems("EXTRA"), (std::vector<CStored*>{note_, folder_}));
    EXPECT_EQ(note.GetRelation("LESSON_PLAN"), folder_);
    const std::string text = note.ToText();
    EXPECT_NE(text.find(R"(NAME="EXTRA">20,10</ASSOCATION>)"), std::string::npos);
    EXPECT_NE(text.find(R"(NAME="COLOUR" FORMAT="CODE">red<)"), std::string::npos);
    EXPECT_EQ(text.find("OTHER"), std::string::npos);
}

// Lines are kept in pieces; whatever their shape, each part reads as the tag routines read it
// from the whole line.
TEST(StoredLines, PartsReadAsTheTagRoutinesReadTheWholeLine) {
    const std::vector<std::string> lines = {
        R"(<ATTRIBUTE NAME="A" FORMAT="DATE">-2</ATTRIBUTE>)",
        R"(<ATTRIBUTE FORMAT="CODE">x NAME="B"</ATTRIBUTE>)",
        R"(<ATTRIBUTE NAME="C" FORMAT="LINE">a > b = c</ATTRIBUTE>)",
        R"(<ATTRIBUTE NAME="D" FORMAT="LINE">no closing tag)",
        R"(</ATTRIBUTE><ATTRIBUTE NAME="E">x)",
        R"(ATTRIBUTE NAME="F">x</ATTRIBUTE>)",
        R"( <ATTRIBUTE NAME="G">x</ATTRIBUTE>)",
        R"(<HIDE_DATA>1,2,</HIDE_DATA>)",
        R"(<OTHER NAME="H">x</OTHER> <OTHER FORMAT="Y">)",
        "",
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        CTestNote note;
        note.AddProperty(line);
        const int index = note.PropertyCount() - 1;
        ASSERT_EQ(note.PropertyLine(index), line);
        EXPECT_EQ(note.PropertyTag(index), TagName(line));
        EXPECT_EQ(note.PropertyName(index), AttributeValue(FindAttribute(line, "NAME")));
        EXPECT_EQ(note.PropertyContent(index), TagContent(line));
        EXPECT_EQ(note.PropertyFormat(index), AttributeValue(FindAttribute(line, "FORMAT")));
    }
    // A content holding a closing marker is cut there, as a reader of the line would cut it.
    CTestNote note;
    note.SetAttributeValue("DESCRIPTION", "a</b>c");
    const int index = note.IndexOfProperty("ATTRIBUTE", "DESCRIPTION");
    const std::string line = note.PropertyLine(index);
    EXPECT_EQ(line, R"(<ATTRIBUTE NAME="DESCRIPTION" FORMAT="STRING">a</b>c</ATTRIBUTE>)");
    EXPECT_EQ(note.GetAttributeValue("DESCRIPTION"), "a");
    note.SetAttributeValue("DESCRIPTION", "d");
    EXPECT_EQ(note.PropertyLine(index), ReplaceTagContent(line, "d"));
}

TEST_F(StoredObjectTest, ChangesMarkASavedObjectModifiedByTheRule) {
    CTestNote* other = factory_.Make<CTestNote>(folder_);
    folder_->AddToAssociation("NOTES", note_);
    folder_->AddToAssociation("NOTES", other);
    struct Case {
        const char* name;
        std::function<void(CTestFolder&)> change;
        StoredStatus expected;
    };
    const std::vector<Case> cases = {
        {"attribute", [](CTestFolder& f) { f.SetAttributeValue("DESCRIPTION", "x"); }, StoredStatus::Modified},
        {"missing attribute", [](CTestFolder& f) { f.SetAttributeValue("NONE", "x"); }, StoredStatus::Modified},
        {"member again", [&](CTestFolder& f) { f.AddToAssociation("NOTES", note_); }, StoredStatus::Saved},
        {"missing association", [&](CTestFolder& f) { f.AddToAssociation("NONE", note_); }, StoredStatus::Modified},
        {"remove absent", [&](CTestFolder& f) { f.RemoveFromAssociation("PUPILS", note_); }, StoredStatus::Modified},
        {"clear", [](CTestFolder& f) { f.ClearAssociation("PUPILS"); }, StoredStatus::Modified},
        {"relation", [](CTestFolder& f) { f.SetRelation("DAY", nullptr); }, StoredStatus::Modified},
        {"missing relation", [](CTestFolder& f) { f.SetRelation("NONE", nullptr); }, StoredStatus::Modified},
        {"move", [&](CTestFolder& f) { f.MoveInAssociations(note_, other); }, StoredStatus::Modified},
        {"link", [&](CTestFolder& f) { f.SetLink("ACHIEVEMENTS", note_, other); }, StoredStatus::Modified},
        {"missing link", [&](CTestFolder& f) { f.SetLink("NONE", note_, other); }, StoredStatus::Saved},
        {"remove missing link", [&](CTestFolder& f) { f.RemoveLink("NONE", note_); }, StoredStatus::Saved},
        {"sort", [](CTestFolder& f) { f.SortAssociations(""); }, StoredStatus::Saved},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        folder_->MarkSaved(10);
        c.change(*folder_);
        EXPECT_EQ(folder_->Status(), c.expected);
    }
    for (StoredStatus status : {StoredStatus::New, StoredStatus::Deleted, StoredStatus::Transient}) {
        folder_->SetStatus(status);
        folder_->SetAttributeValue("DESCRIPTION", "y");
        EXPECT_EQ(folder_->Status(), status);
    }
}

TEST_F(StoredObjectTest, AssociationsKeepOrderAndText) {
    CTestNote* b = factory_.Make<CTestNote>(folder_, "b");
    CTestNote* c = factory_.Make<CTestNote>(folder_, "c");
    note_->SetAttributeValue("DESCRIPTION", "a");
    folder_->SetAssociationIDs("NOTES", std::to_string(note_->ID()) + "," + std::to_string(b->ID()) +
                                            "," + std::to_string(c->ID()));
    const auto order = [&] { return folder_->AssociationItems("NOTES"); };
    EXPECT_EQ(folder_->FindInAssociation("NOTES", "b"), b);
    EXPECT_EQ(folder_->AssociationItem("NOTES", 3), nullptr);

    folder_->MoveInAssociations(c, note_);  // from after b's target: lands just before it
    EXPECT_EQ(order(), (std::vector<CStored*>{c, note_, b}));
    folder_->MoveInAssociations(c, b);  // from before: lands just after it
    EXPECT_EQ(order(), (std::vector<CStored*>{note_, b, c}));
    EXPECT_EQ(folder_->PropertyContentByName("ASSOCATION", "NOTES"),
              "20," + std::to_string(b->ID()) + "," + std::to_string(c->ID()));

    // An object listed twice goes with both entries.
    folder_->SetAssociationIDs("PUPILS", "20,10,20");
    EXPECT_TRUE(folder_->RemoveFromAssociation("PUPILS", note_));
    EXPECT_EQ(folder_->PropertyContentByName("ASSOCATION", "PUPILS"), "10");
    EXPECT_FALSE(folder_->RemoveFromAssociation("PUPILS", note_));
}

TEST_F(StoredObjectTest, SortAssociationsSortsByBytesOnlyWhatTheFilterNames) {
    CTestNote* lower = factory_.Make<CTestNote>(folder_, "apple");
    CTestNote* upper = factory_.Make<CTestNote>(folder_, "Zebra");
    for (const char* name : {"NOTES", "PUPILS"}) {
        folder_->AddToAssociation(name, lower);
        folder_->AddToAssociation(name, upper);
    }
    const std::string written = folder_->PropertyContentByName("ASSOCATION", "NOTES");

    folder_->SortAssociations("TUTOR_NOTES SUBJECTS ");  // NOTES is the tail of a listed name
    EXPECT_EQ(folder_->AssociationItems("NOTES"), (std::vector<CStored*>{upper, lower}));
    EXPECT_EQ(folder_->AssociationItems("PUPILS"), (std::vector<CStored*>{lower, upper}));
    EXPECT_EQ(folder_->PropertyContentByName("ASSOCATION", "NOTES"), written);
    folder_->WriteReferences();
    EXPECT_NE(folder_->PropertyContentByName("ASSOCATION", "NOTES"), written);

    folder_->SortAssociations("");
    EXPECT_EQ(folder_->AssociationItems("PUPILS"), (std::vector<CStored*>{upper, lower}));
    EXPECT_GT(platform_.busy.begins, 0);
    EXPECT_EQ(platform_.busy.depth, 0);
}

TEST_F(StoredObjectTest, RelationsReadTheirContentFromTheStore) {
    EXPECT_EQ(note_->GetParent(), folder_);
    EXPECT_TRUE(note_->SetRelation("LESSON_PLAN", folder_));
    EXPECT_EQ(note_->PropertyContentByName("RELATION", "LESSON_PLAN"), "10");
    EXPECT_TRUE(note_->SetRelation("LESSON_PLAN", nullptr));
    EXPECT_EQ(note_->ToText().find("LESSON_PLAN"), std::string::npos);
    EXPECT_FALSE(note_->SetRelation("NONE", folder_));

    // The content is looked up, not the list: a relation to an object gone reads as none.
    CTestNote* gone = factory_.Make<CTestNote>();
    note_->SetRelation("NOTE_CATEGORY", gone);
    factory_.RemoveObject(gone);
    EXPECT_EQ(note_->GetRelation("NOTE_CATEGORY"), nullptr);
}

TEST_F(StoredObjectTest, AnEmptyAggregateRelationMarksTheObjectDeleted) {
    folder_->AddProperty(R"(<RELATION AGGREGATE="TRUE" NAME="DAY">999</RELATION>)");
    folder_->ResolveReferences();
    EXPECT_EQ(folder_->Status(), StoredStatus::Deleted);
}

TEST_F(StoredObjectTest, LinksKeepSlotsForUnresolvablePairs) {
    CTestNote* n12 = factory_.AddObject(std::make_unique<CTestNote>(nullptr, 12));
    CTestNote* n15 = factory_.AddObject(std::make_unique<CTestNote>(nullptr, 15));
    folder_->AddProperty(R"(<LINK NAME="ACHIEVEMENTS">12.15,7,12.99</LINK>)");
    folder_->ResolveReferences();
    ASSERT_EQ(folder_->LinkCount("ACHIEVEMENTS"), 3);
    EXPECT_EQ(folder_->LinkItem("ACHIEVEMENTS", 0)->Source(), n12);
    EXPECT_EQ(folder_->LinkItem("ACHIEVEMENTS", 0)->Target(), n15);
    EXPECT_EQ(folder_->LinkItem("ACHIEVEMENTS", 1), nullptr);
    EXPECT_EQ(folder_->LinkItem("ACHIEVEMENTS", 2), nullptr);
    folder_->WriteReferences();
    EXPECT_EQ(folder_->PropertyContentByName("LINK", "ACHIEVEMENTS"), "12.15,");

    EXPECT_FALSE(folder_->SetLink("ACHIEVEMENTS", n12, note_));  // retargeted
    EXPECT_EQ(folder_->GetLinkTarget("ACHIEVEMENTS", n12), note_);
    EXPECT_TRUE(folder_->SetLink("ACHIEVEMENTS", n15, n12));
    EXPECT_EQ(folder_->PropertyContentByName("LINK", "ACHIEVEMENTS"), "12.20,15.12");
    EXPECT_TRUE(folder_->RemoveLink("ACHIEVEMENTS", n12));
    EXPECT_FALSE(folder_->RemoveLink("ACHIEVEMENTS", n12));
    EXPECT_EQ(folder_->LinkCount("ACHIEVEMENTS"), 3);
    EXPECT_EQ(folder_->PropertyContentByName("LINK", "ACHIEVEMENTS"), "15.12");
    EXPECT_EQ(folder_->LinkCount("NONE"), 0);
}

TEST_F(StoredObjectTest, ANonNumericIDStopsResolvingNamingTheText) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"(<ASSOCATION AGGREGATE="FALSE" NAME="PUPILS">20,x7</ASSOCATION>)", "'x7'"},
        {R"(<RELATION AGGREGATE="FALSE" NAME="LESSON_PLAN">2O</RELATION>)", "'2O'"},
        {R"(<LINK NAME="ACHIEVEMENTS">20.1.5</LINK>)", "'1.5'"},
    };
    for (const auto& [line, named] : cases) {
        SCOPED_TRACE(line);
        CTestFolder folder(nullptr, 3);
        folder.SetFactory(&factory_);
        folder.AddProperty(line);
        try {
            folder.ResolveReferences();
            ADD_FAILURE() << "no conversion error";
        } catch (const EConvertError& error) {
            EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
        }
    }
}

TEST_F(StoredObjectTest, DeleteAndRestoreFollowAggregateAssociations) {
    CTestNote* owned = factory_.Make<CTestNote>(folder_);
    CTestNote* referred = factory_.Make<CTestNote>();
    folder_->AddToAssociation("NOTES", owned);
    folder_->AddToAssociation("PUPILS", referred);
    folder_->Delete();
    EXPECT_EQ(folder_->Status(), StoredStatus::Deleted);
    EXPECT_EQ(owned->Status(), StoredStatus::Deleted);
    EXPECT_EQ(referred->Status(), StoredStatus::New);

    folder_->Restore();
    EXPECT_EQ(folder_->Status(), StoredStatus::Modified);  // it had been read
    EXPECT_EQ(owned->Status(), StoredStatus::New);

    factory_.SetRoot(folder_);
    folder_->MarkSaved(10);
    folder_->Delete();
    EXPECT_EQ(folder_->Status(), StoredStatus::Saved);
}

// A damaged store may hold a cycle of owners or parents; the walks end instead of overflowing.
TEST_F(StoredObjectTest, WalksEndOnCycles) {
    CTestFolder* inner = factory_.Make<CTestFolder>(folder_, "inner");
    folder_->SetAttributeValue("DESCRIPTION", "outer");
    folder_->AddToAssociation("NOTES", inner);
    inner->AddToAssociation("NOTES", folder_);
    folder_->SetRelation("PARENT", inner);
    folder_->Delete();
    EXPECT_EQ(inner->Status(), StoredStatus::Deleted);
    folder_->Restore();
    EXPECT_EQ(inner->Status(), StoredStatus::New);
    EXPECT_EQ(inner->PathText(), "inner outer inner");
}

TEST_F(StoredObjectTest, PathTextJoinsTheParentsPath) {
    folder_->SetAttributeValue("DESCRIPTION", "Maths");
    note_->SetAttributeValue("DESCRIPTION", " Week 1");
    EXPECT_EQ(note_->PathText(), "Week 1 Maths");
    folder_->SetAttributeValue("DESCRIPTION", "");
    EXPECT_EQ(note_->PathText(), "Week 1");
}

TEST_F(StoredObjectTest, CopyAttributeValuesOnlyBetweenObjectsOfOneClass) {
    CTestNote* copy = factory_.Make<CTestNote>();
    note_->SetAttributeValue("DESCRIPTION", "text");
    note_->SetAttributeValue("DATE", "39156");
    note_->SetRelation("LESSON_PLAN", folder_);
    copy->CopyAsTransient(note_);
    EXPECT_EQ(copy->GetAttributeValue("DESCRIPTION"), "text");
    EXPECT_EQ(copy->GetAttributeValue("DATE"), "39156");
    EXPECT_EQ(copy->GetRelation("LESSON_PLAN"), nullptr);
    EXPECT_EQ(copy->Status(), StoredStatus::Transient);

    folder_->CopyAttributeValues(note_);
    EXPECT_EQ(folder_->GetAttributeValue("DESCRIPTION"), "");
    note_->CopyAttributeValues(note_);
    EXPECT_EQ(note_->GetAttributeValue("DESCRIPTION"), "text");
}

TEST_F(StoredObjectTest, AttributeTextIsTheDisplayForm) {
    note_->SetAttributeValue("DESCRIPTION", "one&#13;&#10;two &amp; three");
    EXPECT_EQ(note_->GetAttributeValue("DESCRIPTION"), "one&#13;&#10;two &amp; three");
    EXPECT_EQ(note_->GetAttributeText("DESCRIPTION"), "one\r\ntwo & three");
    EXPECT_EQ(note_->GetAttributeLineText("DESCRIPTION"), "one ...");
    EXPECT_EQ(note_->GetAttributeText("DATE"), "To Be Confirmed");
    EXPECT_EQ(note_->GetAttributeText("NONE"), "");
}

// Destroying an object leaves every list that referred to it without it.
TEST_F(StoredObjectTest, ADestroyedObjectDropsOutOfEveryList) {
    CTestNote* doomed = factory_.Make<CTestNote>(folder_, "doomed");
    folder_->AddToAssociation("NOTES", doomed);
    folder_->AddToAssociation("NOTES", note_);
    folder_->SetRelation("DAY", doomed);
    folder_->SetLink("ACHIEVEMENTS", doomed, note_);
    folder_->SetLink("ACHIEVEMENTS", note_, doomed);
    CRelationManager& groups = CRelationManager::Instance();
    groups.ResetGroups();
    groups.AddToGroup(doomed, nullptr);

    factory_.RemoveObject(doomed);  // destroyed with the returned owner

    EXPECT_EQ(folder_->AssociationItems("NOTES"), (std::vector<CStored*>{note_}));
    EXPECT_EQ(groups.AssociationCount("NO_RELATION"), 0);
    EXPECT_EQ(folder_->GetLinkTarget("ACHIEVEMENTS", note_), nullptr);
    EXPECT_EQ(folder_->LinkItem("ACHIEVEMENTS", 0)->Source(), nullptr);
    folder_->SortAssociations("");
    folder_->Delete();
    EXPECT_NE(folder_->ToText().find(R"(NAME="NOTES">20<)"), std::string::npos);
    EXPECT_EQ(folder_->PropertyContentByName("LINK", "ACHIEVEMENTS"), "");
}

TEST(GroupingObject, GroupsAreAssociationsNamedAfterTheGroups) {
    CTestNote group(nullptr, 1);
    group.SetAttributeValue("DESCRIPTION", " Year 7 Blue ");
    CTestNote item(nullptr, 2);
    CTestNote loose(nullptr, 3);
    CRelationManager& groups = CRelationManager::Instance();
    groups.ResetGroups();
    groups.AddGroup(group);
    groups.AddToGroup(&item, &group);
    groups.AddToGroup(&loose, nullptr);
    ASSERT_EQ(groups.PropertyCount(), 2);
    EXPECT_EQ(groups.PropertyName(1), "Year_7_Blue");
    EXPECT_EQ(groups.AssociationItem("Year_7_Blue", 0), &item);
    EXPECT_EQ(groups.AssociationItem("NO_RELATION", 0), &loose);
    EXPECT_EQ(groups.DisplayText(), "-2");
}

}  // namespace
}  // namespace vantaro::test
