#pragma once

#include <cstdint>
#include <string>

#include "factory/CStored.h"

namespace vantaro {

class CAttainmentTarget;
class CFactory;
class CNote;

// One pupil in one subject: the subject report, notes and attainment targets.
class CAssessment : public CStored {
public:
    CAssessment(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CAssessment"; }
    // The pupil's display text.
    std::string DisplayText() const override;
    // The pupil's LAST_NAME, FIRST_NAME and MIDDLE_INITIALS and the subject's display text.
    std::string SortKey() const override;

    // A note written in the given lesson (or none), dated now.
    CNote* NewNote(CStored* lessonPlan, CFactory* factory = nullptr);
    CAttainmentTarget* NewAttainmentTarget(CFactory* factory = nullptr);
};

// The initial, target and final gradings of one attainment within an assessment. A general
// target, made before the subject had a curriculum, has no ATTAINMENT.
class CAttainmentTarget : public CStored {
public:
    CAttainmentTarget(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CAttainmentTarget"; }
    std::string DisplayText() const override;
    // A general target keeps its gradings: only a target whose attainment has gone dies with
    // its empty ATTAINMENT relation.
    void ResolveReferences() override;
};

}  // namespace vantaro
