#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "factory/CObjectStore.h"
#include "factory/TestClasses.h"

namespace vantaro::test {
namespace {

using Ownership = CObjectStore::Ownership;

std::vector<std::int32_t> IDs(const CObjectStore& store) {
    std::vector<std::int32_t> ids;
    for (int i = 0; i < store.Count(); ++i) ids.push_back(store.Item(i)->ID());
    return ids;
}

bool AddNew(CObjectStore& store, std::int32_t id) {
    std::unique_ptr<CStored> object = std::make_unique<CTestNote>(nullptr, id);
    return store.Add(object);
}

TEST(ObjectStore, AddKeepsAscendingIDsWhateverTheOrder) {
    std::array<std::int32_t, 4> ids{-3, 5, -2, 1};
    std::sort(ids.begin(), ids.end());
    do {
        CObjectStore store;
        for (std::int32_t id : ids) ASSERT_TRUE(AddNew(store, id));
        EXPECT_EQ(IDs(store), (std::vector<std::int32_t>{-3, -2, 1, 5}));
    } while (std::next_permutation(ids.begin(), ids.end()));
}

TEST(ObjectStore, FindsByBinarySearch) {
    CObjectStore store;
    EXPECT_EQ(store.Find(1), nullptr);
    for (std::int32_t id : {2, 4, 6, 8, 10}) AddNew(store, id);
    for (std::int32_t id : {2, 4, 6, 8, 10}) EXPECT_EQ(store.Find(id)->ID(), id);
    for (std::int32_t id : {1, 3, 9, 11, -5}) EXPECT_EQ(store.Find(id), nullptr) << id;
}

TEST(ObjectStore, ASecondObjectWithAnIDPresentIsLeftWithTheCaller) {
    CObjectStore store;
    AddNew(store, 7);
    CStored* first = store.Find(7);
    std::unique_ptr<CStored> twin = std::make_unique<CTestNote>(nullptr, 7);
    EXPECT_FALSE(store.Add(twin));
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(store.Count(), 1);
    EXPECT_EQ(store.Find(7), first);
    // Only the very object at its ID's position is removed.
    EXPECT_FALSE(store.Remove(twin.get()));
    EXPECT_EQ(store.Release(twin.get()), nullptr);
    std::unique_ptr<CStored> released = store.Release(first);
    EXPECT_EQ(released.get(), first);
    EXPECT_EQ(store.Count(), 0);
}

TEST(ObjectStore, SetRootWithNoneDestroysEveryObject) {
    CObjectStore store;
    for (std::int32_t id : {1, 2, 3}) AddNew(store, id);
    store.SetRoot(store.Find(2));
    EXPECT_EQ(store.Root()->ID(), 2);
    const StoredRef watched(store.Find(3));
    store.SetRoot(nullptr);
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.Root(), nullptr);
    EXPECT_FALSE(watched.IsAlive());
}

TEST(ObjectStore, AReferringStoreForgetsObjectsDestroyedElsewhere) {
    CObjectStore owner;
    CObjectStore trash(Ownership::Referring);
    for (std::int32_t id : {1, 2, 3}) AddNew(owner, id);
    for (std::int32_t id : {3, 1, 2}) EXPECT_TRUE(trash.Add(owner.Find(id)));
    EXPECT_FALSE(trash.Add(owner.Find(2)));
    trash.SetRoot(owner.Find(2));
    EXPECT_TRUE(owner.Remove(owner.Find(2)));
    EXPECT_EQ(IDs(trash), (std::vector<std::int32_t>{1, 3}));
    EXPECT_EQ(trash.Find(2), nullptr);
    EXPECT_EQ(trash.Root(), nullptr);
    // A new object may take the ID of the destroyed one.
    AddNew(owner, 2);
    EXPECT_TRUE(trash.Add(owner.Find(2)));
    EXPECT_EQ(trash.Find(2), owner.Find(2));
    EXPECT_TRUE(owner.Remove(owner.Find(2)));
    trash.Forget();
    EXPECT_EQ(owner.Count(), 2);
    EXPECT_THROW(owner.Forget(), std::logic_error);
}

TEST(ObjectStore, SortByIDAfterIDsChange) {
    CObjectStore store;
    for (std::int32_t id : {-4, -3, -2}) AddNew(store, id);
    store.Item(0)->MarkSaved(9);
    store.SortByID();
    EXPECT_EQ(IDs(store), (std::vector<std::int32_t>{-3, -2, 9}));
    EXPECT_EQ(store.Find(9), store.Item(2));
    EXPECT_EQ(store.Find(-4), nullptr);
}

TEST(ObjectStore, ReleaseIfHandsOverTheObjectsItPicksAndKeepsTheRestInOrder) {
    CObjectStore store;
    for (std::int32_t id : {1, 2, 3, 4, 5}) AddNew(store, id);
    const std::vector<std::unique_ptr<CStored>> released =
        store.ReleaseIf([](const CStored& object) { return object.ID() % 2 == 0; });
    ASSERT_EQ(released.size(), 2u);
    EXPECT_EQ(released[0]->ID(), 2);
    EXPECT_EQ(released[1]->ID(), 4);
    EXPECT_EQ(IDs(store), (std::vector<std::int32_t>{1, 3, 5}));
    for (std::int32_t id : {2, 4}) EXPECT_EQ(store.Find(id), nullptr) << id;
    for (std::int32_t id : {1, 3, 5}) EXPECT_EQ(store.Find(id)->ID(), id) << id;
    EXPECT_TRUE(AddNew(store, 2));
    EXPECT_EQ(IDs(store), (std::vector<std::int32_t>{1, 2, 3, 5}));
}

}  // namespace
}  // namespace vantaro::test
