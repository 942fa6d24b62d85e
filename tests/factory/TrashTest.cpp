#include <gtest/gtest.h>

#include "factory/TestClasses.h"
#include "support/FakePlatform.h"

namespace vantaro::test {
namespace {

// year (root) aggregates unit, which aggregates two notes; year's PUPILS refers to both notes.
class TrashTest : public ::testing::Test {
protected:
    TrashTest() {
        year_ = factory_.AddObject(std::make_unique<CTestFolder>(nullptr, 1));
        factory_.SetRoot(year_);
        unit_ = factory_.AddObject(std::make_unique<CTestFolder>(year_, 2));
        first_ = factory_.AddObject(std::make_unique<CTestNote>(unit_, 3));
        second_ = factory_.AddObject(std::make_unique<CTestNote>(unit_, 4));
        year_->AddToAssociation("NOTES", unit_);
        unit_->AddToAssociation("NOTES", first_);
        unit_->AddToAssociation("NOTES", second_);
        year_->AddToAssociation("PUPILS", first_);
        year_->AddToAssociation("PUPILS", second_);
        for (CTestFolder* folder : {year_, unit_}) folder->SetRelation("DAY", year_);
        for (int i = 0; i < factory_.Objects().Count(); ++i) {
            CStored* object = factory_.Objects().Item(i);
            object->MarkSaved(object->ID());
        }
    }

    FakePlatform platform_;
    CTestFactory factory_;
    CTestFolder* year_;
    CTestFolder* unit_;
    CTestNote* first_;
    CTestNote* second_;
};

TEST_F(TrashTest, RestoringBringsAnObjectAndItsMembersBack) {
    CTestNote* fresh = factory_.AddObject(std::make_unique<CTestNote>(year_, -1));
    factory_.MoveToTrash(unit_);
    factory_.MoveToTrash(fresh);
    EXPECT_EQ(factory_.Trash().Count(), 2);
    for (CStored* object : std::initializer_list<CStored*>{unit_, first_, second_, fresh}) {
        EXPECT_EQ(object->Status(), StoredStatus::Deleted);
    }

    factory_.RestoreFromTrash(unit_);
    factory_.RestoreFromTrash(fresh);
    EXPECT_EQ(factory_.Trash().Count(), 0);
    for (CStored* object : std::initializer_list<CStored*>{unit_, first_, second_}) {
        EXPECT_EQ(object->Status(), StoredStatus::Modified);
    }
    EXPECT_EQ(fresh->Status(), StoredStatus::New);
}

TEST_F(TrashTest, EmptyingDestroysDeletedObjectsAndTheReferencesToThem) {
    factory_.MoveToTrash(unit_);
    factory_.MoveToTrash(year_);  // the root is listed but cannot be deleted
    EXPECT_EQ(year_->Status(), StoredStatus::Saved);
    const StoredRef watched(first_);

    factory_.EmptyTrash();
    EXPECT_FALSE(watched.IsAlive());
    EXPECT_EQ(factory_.Objects().Count(), 1);
    EXPECT_EQ(factory_.Root(), year_);
    EXPECT_EQ(factory_.Trash().Count(), 0);
    EXPECT_EQ(year_->AssociationCount("PUPILS"), 0);
    EXPECT_EQ(year_->AssociationCount("NOTES"), 0);
    EXPECT_EQ(factory_.FindObject(2), nullptr);
}

TEST_F(TrashTest, AnObjectLeftWithoutItsAggregateRelationGoesAtTheNextEmptying) {
    CTestFolder* dependent = factory_.AddObject(std::make_unique<CTestFolder>(year_, 5));
    year_->AddToAssociation("NOTES", dependent);
    dependent->SetRelation("DAY", unit_);
    factory_.MoveToTrash(unit_);
    factory_.EmptyTrash();
    EXPECT_EQ(dependent->Status(), StoredStatus::Deleted);  // its DAY is gone
    EXPECT_EQ(factory_.FindObject(5), dependent);
    factory_.EmptyTrash();
    EXPECT_EQ(factory_.FindObject(5), nullptr);
}

}  // namespace
}  // namespace vantaro::test
