#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "factory/TestClasses.h"
#include "routines/Errors.h"
#include "support/FakePlatform.h"
#include "support/ScopedCurrentFolder.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

namespace fs = std::filesystem;

// A pupil, told apart from its namesakes by its last name.
class CTestPupil : public CStored {
public:
    CTestPupil(CStored* parent, std::int32_t id) : CStored(parent, id) {
        AddProperty(R"(<ATTRIBUTE NAME="LAST_NAME" FORMAT="STRING"></ATTRIBUTE>)");
    }
    std::string ClassName() const override { return "CPupil"; }
    std::string DisplayText() const override { return GetAttributeValue("LAST_NAME"); }
};

// Every store starts as the root folder 1 (its DAY on itself, so it never counts as dead).
class IntegrityTest : public ::testing::Test {
protected:
    IntegrityTest() {
        year_ = Add<CTestFolder>(1, nullptr, "Year");
        factory_.SetRoot(year_);
        year_->SetRelation("DAY", year_);
    }

    template <class T>
    T* Add(std::int32_t id, CStored* parent, const std::string& name) {
        T* object = factory_.AddObject(std::make_unique<T>(parent, id));
        object->SetAttributeValue(std::is_same_v<T, CTestPupil> ? "LAST_NAME" : "DESCRIPTION", name);
        if constexpr (std::is_same_v<T, CTestFolder>) object->SetRelation("DAY", year_ ? year_ : object);
        return object;
    }

    // A member of the owner's aggregate NOTES.
    template <class T>
    T* Own(std::int32_t id, CStored* owner, const std::string& name) {
        T* object = Add<T>(id, owner, name);
        owner->AddToAssociation("NOTES", object);
        return object;
    }

    FakePlatform platform_;
    TempDir dir_;
    ScopedCurrentFolder inDir_{dir_.path()};
    CTestFactory factory_;
    CTestFolder* year_ = nullptr;
};

struct IntegrityCase {
    const char* name;
    std::function<void(IntegrityTest&)> build;
    std::vector<std::string> adoptions, surrogates, orphans, duplicates;
    std::vector<std::int32_t> goneAfterRepair;
    std::function<void(CFactory&)> checkRepaired;
};

class IntegrityCases : public IntegrityTest, public ::testing::WithParamInterface<IntegrityCase> {
public:
    using IntegrityTest::Add;
    using IntegrityTest::Own;
    CTestFolder* Year() { return year_; }
};

std::string Record(const std::string& type, const std::string& attributes) {
    return "<RI_ERROR TYPE=\"" + type + "\" " + attributes + "></RI_ERROR>";
}

const IntegrityCase kCases[] = {
    {"Clean",
     [](IntegrityTest& t) {
         auto& c = static_cast<IntegrityCases&>(t);
         CTestFolder* unit = c.Own<CTestFolder>(2, c.Year(), "Unit");
         c.Own<CTestNote>(3, unit, "Note");
         c.Own<CTestNote>(4, unit, "Other note");
     },
     {}, {}, {}, {}, {}, {}},
    {"BlankItemsOfOneOwner",  // blank objectives of one lesson are not names that clash
     [](IntegrityTest& t) {
         auto& c = static_cast<IntegrityCases&>(t);
         CTestFolder* unit = c.Own<CTestFolder>(2, c.Year(), "Unit");
         c.Own<CTestNote>(3, unit, "");
         c.Own<CTestNote>(4, unit, " ");
     },
     {}, {}, {}, {}, {}, {}},
    {"OwnedByTwoOwners",
     [](IntegrityTest& t) {
         auto& c = static_cast<IntegrityCases&>(t);
         CTestFolder* first = c.Own<CTestFolder>(2, c.Year(), "First");
         CTestFolder* second = c.Own<CTestFolder>(3, c.Year(), "Second");
         CTestFolder* shared = c.Own<CTestFolder>(4, first, "Shared");
         second->AddToAssociation("NOTES", shared);
         c.Own<CTestNote>(5, shared, "Inside");
     },
     {Record("ADOPTION", R"(CLASS="CFolder" TARGET="4" SOURCE="3")")},
     {Record("SURROGATE", R"(CLASS="CFolder" TARGET="4" SOURCE="3")")},
     {},
     {Record("DUPLICATE", R"(CLASS="CFolder" TARGET="4" SOURCE="3" UNIQUE_ID="Shared First Year")")},
     {4, 5},
     [](CFactory& f) {
         EXPECT_EQ(f.FindObject(2)->AssociationCount("NOTES"), 0);
         EXPECT_EQ(f.FindObject(3)->AssociationCount("NOTES"), 0);
     }},
    {"ListedTwiceByOneOwner",
     [](IntegrityTest& t) {
         auto& c = static_cast<IntegrityCases&>(t);
         c.Own<CTestNote>(2, c.Year(), "Twice");
         c.Year()->SetAssociationIDs("NOTES", "2,2");
     },
     {},
     {Record("SURROGATE", R"(CLASS="CNote" TARGET="2" SOURCE="1")")},
     {},
     {Record("DUPLICATE", R"(CLASS="CNote" TARGET="2" SOURCE="1" UNIQUE_ID="Twice Year")")},
     {2},
     [](CFactory& f) { EXPECT_EQ(f.Root()->AssociationCount("NOTES"), 0); }},
    {"PupilsOfOneName",
     [](IntegrityTest& t) {
         auto& c = static_cast<IntegrityCases&>(t);
         c.Own<CTestPupil>(7, c.Year(), "Smith");
         c.Own<CTestPupil>(3, c.Year(), "Smith");
         c.Own<CTestPupil>(5, c.Year(), "Smithson");
     },
     {}, {}, {},
     {Record("DUPLICATE", R"(CLASS="CPupil" TARGET="3" SOURCE="1" UNIQUE_ID="Smith Year")")},
     {},
     [](CFactory& f) {
         EXPECT_EQ(f.FindObject(7)->GetAttributeValue("LAST_NAME"), "Smith");
         EXPECT_EQ(f.FindObject(3)->GetAttributeValue("LAST_NAME"), "Smith3");
     }},
    {"NotesOfOneDescription",
     [](IntegrityTest& t) {
         auto& c = static_cast<IntegrityCases&>(t);
         c.Own<CTestNote>(2, c.Year(), "Trip");
         c.Own<CTestNote>(3, c.Year(), "Trip");
         c.Own<CTestPupil>(4, c.Year(), "Trip");  // another class may share the text
     },
     {}, {}, {},
     {Record("DUPLICATE", R"(CLASS="CNote" TARGET="3" SOURCE="1" UNIQUE_ID="Trip Year")")},
     {},
     [](CFactory& f) { EXPECT_EQ(f.FindObject(3)->GetAttributeValue("DESCRIPTION"), "Trip3"); }},
    {"Orphan",
     [](IntegrityTest& t) {
         auto& c = static_cast<IntegrityCases&>(t);
         c.Add<CTestNote>(6, c.Year(), "Nobody's");
     },
     {}, {},
     {Record("ORPHAN", R"(CLASS="CNote" TARGET="6")")},
     {}, {6}, {}},
    {"ParentsInACircle",  // each path text is worked out whole, however the walk met the circle
     [](IntegrityTest& t) {
         auto& c = static_cast<IntegrityCases&>(t);
         CTestFolder* a = c.Own<CTestFolder>(2, c.Year(), "A");
         CTestFolder* b = c.Own<CTestFolder>(3, c.Year(), "B");
         a->SetRelation("PARENT", b);
         b->SetRelation("PARENT", a);
         c.Own<CTestPupil>(4, a, "Smith");
         c.Own<CTestPupil>(5, a, "Smith");
     },
     {Record("ADOPTION", R"(CLASS="CFolder" TARGET="2" SOURCE="1")"),
      Record("ADOPTION", R"(CLASS="CFolder" TARGET="3" SOURCE="1")")},
     {}, {},
     {Record("DUPLICATE", R"(CLASS="CPupil" TARGET="5" SOURCE="2" UNIQUE_ID="Smith A B A")")},
     {},
     [](CFactory& f) {
         EXPECT_EQ(f.FindObject(2)->GetParent(), f.Root());
         EXPECT_EQ(f.FindObject(5)->GetAttributeValue("LAST_NAME"), "Smith5");
     }},
    {"ParentIsNotTheOwner",
     [](IntegrityTest& t) {
         auto& c = static_cast<IntegrityCases&>(t);
         CTestFolder* unit = c.Own<CTestFolder>(2, c.Year(), "Unit");
         CTestNote* note = c.Own<CTestNote>(3, unit, "Note");
         note->SetRelation("PARENT", c.Year());
     },
     {Record("ADOPTION", R"(CLASS="CNote" TARGET="3" SOURCE="2")")},
     {}, {}, {}, {},
     [](CFactory& f) { EXPECT_EQ(f.FindObject(3)->GetParent(), f.FindObject(2)); }},
};

TEST_P(IntegrityCases, FindsAndRepairs) {
    const IntegrityCase& c = GetParam();
    c.build(*this);
    const CFactory::IntegrityCounts counts = factory_.FindIntegrityErrors();
    EXPECT_EQ(factory_.AdoptionErrors(), c.adoptions);
    EXPECT_EQ(factory_.SurrogateErrors(), c.surrogates);
    EXPECT_EQ(factory_.OrphanErrors(), c.orphans);
    EXPECT_EQ(factory_.DuplicateErrors(), c.duplicates);
    EXPECT_EQ(counts.adoptions, static_cast<int>(c.adoptions.size()));
    EXPECT_EQ(counts.surrogates, static_cast<int>(c.surrogates.size()));
    EXPECT_EQ(counts.orphans, static_cast<int>(c.orphans.size()));
    EXPECT_EQ(counts.duplicates, static_cast<int>(c.duplicates.size()));
    EXPECT_EQ(counts.logFailure, "");
    EXPECT_EQ(fs::exists("DebugLog.txt"), counts.Total() > 0);

    const int before = factory_.Objects().Count();
    factory_.CheckIntegrity();
    for (std::int32_t id : c.goneAfterRepair) EXPECT_EQ(factory_.FindObject(id), nullptr) << id;
    EXPECT_EQ(factory_.Objects().Count(), before - static_cast<int>(c.goneAfterRepair.size()));
    if (c.checkRepaired) c.checkRepaired(factory_);
    EXPECT_EQ(factory_.FindIntegrityErrors().Total(), 0);
    EXPECT_EQ(platform_.busy.depth, 0);
}

INSTANTIATE_TEST_SUITE_P(Stores, IntegrityCases, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The check empties the trash as often as it takes: an object whose aggregate relation named a
// trashed object is found dead at the first emptying and destroyed at the next.
TEST_F(IntegrityTest, DestroysWhatDiesWithTheTrashedObjects) {
    CTestFolder* unit = Own<CTestFolder>(2, year_, "Unit");
    CTestFolder* dependent = Own<CTestFolder>(3, year_, "Dependent");
    dependent->SetRelation("DAY", unit);
    factory_.MoveToTrash(unit);
    factory_.CheckIntegrity();
    EXPECT_EQ(factory_.FindObject(2), nullptr);
    EXPECT_EQ(factory_.FindObject(3), nullptr);
    EXPECT_EQ(year_->AssociationCount("NOTES"), 0);
    EXPECT_FALSE(fs::exists("DebugLog.txt"));
}

TEST_F(IntegrityTest, EachRecordIsLoggedWithItsObjectBlock) {
    Add<CTestNote>(6, year_, "Nobody's");
    factory_.FindIntegrityErrors();
    const std::string log = ReadFileBytes("DebugLog.txt");
    const std::string expected = "\r\n<RI_ERROR TYPE=\"ORPHAN\" CLASS=\"CNote\" TARGET=\"6\">\r\n" +
                                 factory_.FindObject(6)->ToText() + "</RI_ERROR>\r\n";
    EXPECT_EQ(log, expected);
}

// A debug log that cannot be written does not stop the check halfway: the errors are counted and
// repaired, and the failure is reported. (It used to abort the check before the repairs.)
TEST_F(IntegrityTest, ALogThatCannotBeWrittenDoesNotStopTheCheck) {
    Add<CTestNote>(6, year_, "Nobody's");
    CTestNote* moved = Own<CTestNote>(7, year_, "Moved");
    moved->SetRelation("PARENT", nullptr);
    fs::create_directory("DebugLog.txt");

    const CFactory::IntegrityCounts counts = factory_.FindIntegrityErrors();
    EXPECT_EQ(counts.orphans, 1);
    EXPECT_EQ(counts.adoptions, 1);
    EXPECT_NE(counts.logFailure, "");

    EXPECT_THROW(factory_.CheckIntegrity(), EInOutError);
    EXPECT_EQ(factory_.FindObject(6), nullptr);
    EXPECT_EQ(moved->GetParent(), year_);
}

}  // namespace
}  // namespace vantaro::test
