#pragma once

#include <cstdint>
#include <string>

#include "factory/CStored.h"

namespace vantaro {

class CObjective : public CStored {
public:
    CObjective(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CObjective"; }
    std::string DisplayText() const override;
};

class CObjectiveCategory : public CStored {
public:
    CObjectiveCategory(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CObjectiveCategory"; }
    std::string DisplayText() const override;
};

// An activity of a plan; FOCUS lists the sets, activity categories and staff it is aimed at.
class CActivity : public CStored {
public:
    CActivity(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CActivity"; }
    std::string DisplayText() const override;
};

class CActivityCategory : public CStored {
public:
    CActivityCategory(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CActivityCategory"; }
    std::string DisplayText() const override;
};

// An assessed outcome of a lesson. ACHIEVEMENTS links each assessment to the capability its
// pupil reached, at most one per assessment.
class COutcome : public CStored {
public:
    COutcome(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "COutcome"; }
    std::string DisplayText() const override;
    // "<aptitude> <outcome> (<lesson plan>) "; empty without lesson plan or aptitude.
    std::string SortKey() const override;
};

class CResource : public CStored {
public:
    CResource(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CResource"; }
    std::string DisplayText() const override;
};

}  // namespace vantaro
