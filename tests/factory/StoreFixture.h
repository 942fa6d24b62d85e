#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "factory/TestClasses.h"

namespace vantaro::test {

// The small store of the byte-for-byte fixture, made in a factory of the test classes:
//
//   year (CFolder "Year 2006/07", root)   NOTES: first, second, unit   DAY: first
//     first  (CNote "First note", DATE 39156)
//     second (CNote "Tom &amp; Jerry&apos;s", LESSON_PLAN first), hidden
//     unit   (CFolder "Unit 1")   PUPILS: first, second   ACHIEVEMENTS: first.second   DAY: first
struct SmallStore {
    CTestFolder* year = nullptr;
    CTestNote* first = nullptr;
    CTestNote* second = nullptr;
    CTestFolder* unit = nullptr;
};

inline SmallStore MakeSmallStore(CTestFactory& factory) {
    SmallStore store;
    store.year = factory.Make<CTestFolder>(nullptr, "Year 2006/07");
    factory.SetRoot(store.year);
    store.first = factory.Make<CTestNote>(store.year, "First note");
    store.first->SetAttributeValue("DATE", "39156");
    store.second = factory.Make<CTestNote>(store.year, "Tom &amp; Jerry&apos;s");
    store.second->SetRelation("LESSON_PLAN", store.first);
    store.unit = factory.Make<CTestFolder>(store.year, "Unit 1");
    for (CStored* member : {static_cast<CStored*>(store.first), static_cast<CStored*>(store.second),
                            static_cast<CStored*>(store.unit)}) {
        store.year->AddToAssociation("NOTES", member);
    }
    store.unit->AddToAssociation("PUPILS", store.first);
    store.unit->AddToAssociation("PUPILS", store.second);
    store.unit->SetLink("ACHIEVEMENTS", store.first, store.second);
    store.year->SetRelation("DAY", store.first);
    store.unit->SetRelation("DAY", store.first);
    factory.SetHiddenIDs(std::to_string(store.second->ID()));
    return store;
}

inline std::filesystem::path FactoryFixture(const std::string& name) {
    return std::filesystem::path(VANTARO_TEST_DATA_DIR) / "factory" / name;
}

// The object blocks of every object of a factory, in store order: what two reads of one store
// must agree on.
inline std::vector<std::string> ObjectBlocks(CFactory& factory) {
    std::vector<std::string> blocks;
    for (int i = 0; i < factory.Objects().Count(); ++i) blocks.push_back(factory.Objects().Item(i)->ToText());
    return blocks;
}

}  // namespace vantaro::test
