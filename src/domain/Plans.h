#pragma once

#include <cstdint>
#include <string>

#include "factory/CStored.h"

namespace vantaro {

class CActivity;
class CFactory;
class CLessonPlan;
class CMedimumTermPlan;
class CObjective;
class COutcome;
class CResource;

// A plan for a subject.
class CPlan : public CStored {
public:
    CObjective* NewObjective(CFactory* factory = nullptr);

protected:
    CPlan(CStored* parent, std::int32_t id);
};

// The subject's plan for the year: owns its objectives, medium-term plans and lesson plans.
class CLongTermPlan : public CPlan {
public:
    CLongTermPlan(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CLongTermPlan"; }
    // "<subject> Plan"; empty without a subject.
    std::string DisplayText() const override;

    // SUBJECT and LONG_TERM_PLAN set; SESSION_NAME "Session n+1" for the n-th session.
    CMedimumTermPlan* NewMedimumTermPlan(CFactory* factory = nullptr);
    // Starts with the subject's preset objectives and activities, and at least one objective,
    // activity and outcome.
    CLessonPlan* NewLessonPlan(CFactory* factory = nullptr);
};

// A plan that has activities.
class CActivityPlan : public CPlan {
public:
    CActivity* NewActivity(CFactory* factory = nullptr);

protected:
    using CPlan::CPlan;
};

// One session of a long-term plan within a term.
class CMedimumTermPlan : public CActivityPlan {
public:
    CMedimumTermPlan(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CMedimumTermPlan"; }
    // "<session> <long-term plan> For <term>"; empty without term or long-term plan.
    std::string DisplayText() const override;

    CResource* NewResource(CFactory* factory = nullptr);
};

// The plan of one subject on one day.
class CLessonPlan : public CActivityPlan {
public:
    CLessonPlan(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CLessonPlan"; }
    // "<long-term plan> For <day>"; empty without day or long-term plan.
    std::string DisplayText() const override;
    // The subject's display text and the day's sort key.
    std::string SortKey() const override;

    COutcome* NewOutcome(CFactory* factory = nullptr);
};

}  // namespace vantaro
