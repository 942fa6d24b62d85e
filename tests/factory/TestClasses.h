#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "factory/CFactory.h"
#include "factory/CStored.h"

namespace vantaro::test {

// A note: a date, a description and two plain relations.
class CTestNote : public CStored {
public:
    explicit CTestNote(CStored* parent = nullptr, std::int32_t id = -1) : CStored(parent, id) {
        AddProperty(R"(<ATTRIBUTE NAME="DATE" FORMAT="DATE">-2</ATTRIBUTE>)");
        AddProperty(R"(<ATTRIBUTE NAME="DESCRIPTION" FORMAT="STRING"></ATTRIBUTE>)");
        AddProperty(R"(<RELATION AGGREGATE="FALSE" NAME="LESSON_PLAN"></RELATION>)");
        AddProperty(R"(<RELATION AGGREGATE="FALSE" NAME="NOTE_CATEGORY"></RELATION>)");
    }
    std::string ClassName() const override { return "CNote"; }
    std::string DisplayText() const override { return GetAttributeValue("DESCRIPTION"); }
};

// An owner: aggregate NOTES, plain PUPILS, a LINK list and an aggregate relation DAY.
class CTestFolder : public CStored {
public:
    explicit CTestFolder(CStored* parent = nullptr, std::int32_t id = -1) : CStored(parent, id) {
        AddProperty(R"(<ATTRIBUTE NAME="DESCRIPTION" FORMAT="STRING"></ATTRIBUTE>)");
        AddProperty(R"(<ASSOCATION AGGREGATE="TRUE" NAME="NOTES"></ASSOCATION>)");
        AddProperty(R"(<ASSOCATION AGGREGATE="FALSE" NAME="PUPILS"></ASSOCATION>)");
        AddProperty(R"(<LINK NAME="ACHIEVEMENTS"></LINK>)");
        AddProperty(R"(<RELATION AGGREGATE="TRUE" NAME="DAY"></RELATION>)");
    }
    std::string ClassName() const override { return "CFolder"; }
    std::string DisplayText() const override { return GetAttributeValue("DESCRIPTION"); }
};

// Creates the two test classes by name.
class CTestFactory : public CFactory {
public:
    std::unique_ptr<CStored> CreateObject(std::string_view attributes) override;

    // A new object of class T added to this factory, with a description when given.
    template <class T>
    T* Make(CStored* parent = nullptr, std::string_view description = {}) {
        T* object = AddObject(std::make_unique<T>(parent));
        if (!description.empty()) object->SetAttributeValue("DESCRIPTION", description);
        return object;
    }
};

}  // namespace vantaro::test
