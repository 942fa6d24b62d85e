#include <gtest/gtest.h>

#include "factory/TestClasses.h"
#include "support/FakePlatform.h"

namespace vantaro::test {
namespace {

class FactoryTest : public ::testing::Test {
protected:
    FakePlatform platform_;
    CTestFactory factory_;
};

TEST_F(FactoryTest, AddObjectBindsAndRejectsATakenID) {
    CTestNote* note = factory_.AddObject(std::make_unique<CTestNote>(nullptr, 4));
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->GetFactory(), &factory_);
    EXPECT_EQ(factory_.AddObject(std::make_unique<CTestNote>(nullptr, 4)), nullptr);
    EXPECT_EQ(factory_.FindObject(4), note);
}

TEST_F(FactoryTest, CreateObjectByClassName) {
    const auto note = factory_.CreateObject(R"(ID="12" CLASS="CNote")");
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->ID(), 12);
    EXPECT_EQ(note->ClassName(), "CNote");
    EXPECT_EQ(factory_.CreateObject(R"(ID="12" CLASS="CUnknown")"), nullptr);
    EXPECT_EQ(factory_.Objects().Count(), 0);
}

TEST_F(FactoryTest, HiddenObjects) {
    factory_.SetHiddenIDs("12,7");
    CTestNote* deleted = factory_.AddObject(std::make_unique<CTestNote>(nullptr, 3));
    deleted->SetStatus(StoredStatus::Deleted);
    const std::vector<std::pair<std::int32_t, bool>> cases = {
        {7, true}, {12, true}, {1, false}, {17, false}, {2, false}};
    for (const auto& [id, hidden] : cases) {
        CTestNote note(nullptr, id);
        EXPECT_EQ(factory_.IsHidden(&note), hidden) << id;
    }
    EXPECT_TRUE(factory_.IsHidden(nullptr));
    EXPECT_FALSE(factory_.IsHidden(deleted));
    factory_.SetDeletedCountsAsHidden(true);
    EXPECT_TRUE(factory_.IsHidden(deleted));

    EXPECT_EQ(factory_.GetHiddenIDs(), "12,7");
    factory_.SetHiddenIDs("12,7,");
    EXPECT_EQ(factory_.GetHiddenIDs(), "12,7");
    factory_.SetHiddenIDs("");
    EXPECT_EQ(factory_.GetHiddenIDs(), "");
    CTestNote any(nullptr, 5);
    EXPECT_FALSE(factory_.IsHidden(&any));
}

TEST_F(FactoryTest, UnsavedChangesAreThoseOfTheMainFactoryWithAFile) {
    CTestFactory other;
    CTestNote* note = factory_.Make<CTestNote>();
    EXPECT_FALSE(CFactory::HasUnsavedChanges());  // no main factory
    CFactory::SetMainFactory(&factory_);
    EXPECT_FALSE(other.HasUnsavedChanges());  // never saved: no file name
    factory_.SetFileName("/tmp/year.ods");
    EXPECT_TRUE(other.HasUnsavedChanges());
    note->MarkSaved(1);
    EXPECT_FALSE(CFactory::HasUnsavedChanges());
    for (StoredStatus status : {StoredStatus::Modified, StoredStatus::Deleted}) {
        note->SetStatus(status);
        EXPECT_TRUE(CFactory::HasUnsavedChanges());
    }
    note->SetStatus(StoredStatus::Transient);
    EXPECT_FALSE(CFactory::HasUnsavedChanges());
    EXPECT_TRUE(factory_.HasStatus(StoredStatus::Transient));
    CFactory::SetMainFactory(nullptr);
}

TEST_F(FactoryTest, SortCollectionsSortsTheListedAssociationsAndWritesThem) {
    CTestFolder* folder = factory_.Make<CTestFolder>();
    CTestNote* b = factory_.Make<CTestNote>(folder, "b");
    CTestNote* a = factory_.Make<CTestNote>(folder, "a");
    for (const char* name : {"NOTES", "PUPILS"}) {
        folder->AddToAssociation(name, b);
        folder->AddToAssociation(name, a);
    }
    factory_.SortCollections();
    const std::string sorted = std::to_string(a->ID()) + "," + std::to_string(b->ID());
    EXPECT_EQ(folder->PropertyContentByName("ASSOCATION", "PUPILS"), sorted);
    EXPECT_NE(folder->PropertyContentByName("ASSOCATION", "NOTES"), sorted);
    EXPECT_EQ(platform_.busy.depth, 0);
    EXPECT_GT(platform_.busy.begins, 0);
}

TEST_F(FactoryTest, RenumberAsNewGivesFreshIDsAndRewritesReferences) {
    CTestFolder* folder = factory_.AddObject(std::make_unique<CTestFolder>(nullptr, 1));
    CTestNote* note = factory_.AddObject(std::make_unique<CTestNote>(folder, 2));
    folder->AddToAssociation("NOTES", note);
    factory_.RenumberAsNew(true);
    ASSERT_EQ(factory_.Objects().Count(), 2);
    EXPECT_EQ(factory_.Objects().Item(0), note);  // later objects took lower IDs
    for (CStored* object : {static_cast<CStored*>(folder), static_cast<CStored*>(note)}) {
        EXPECT_LT(object->ID(), 0);
        EXPECT_EQ(object->Status(), StoredStatus::Transient);
        EXPECT_TRUE(object->Persisted());
    }
    EXPECT_EQ(folder->PropertyContentByName("ASSOCATION", "NOTES"), std::to_string(note->ID()));
    EXPECT_EQ(note->GetParent(), folder);

    factory_.RenumberAsNew(false);
    EXPECT_EQ(note->Status(), StoredStatus::Saved);
}

TEST_F(FactoryTest, ClearDestroysEveryObject) {
    CTestFolder* root = factory_.Make<CTestFolder>();
    factory_.SetRoot(root);
    const StoredRef watched(root);
    factory_.Clear();
    EXPECT_FALSE(watched.IsAlive());
    EXPECT_EQ(factory_.Root(), nullptr);
    EXPECT_EQ(factory_.Objects().Count(), 0);
    EXPECT_EQ(factory_.HighestID(), 0);
}

}  // namespace
}  // namespace vantaro::test
