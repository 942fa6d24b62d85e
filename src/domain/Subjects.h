#pragma once

#include <cstdint>
#include <string>

#include "factory/CStored.h"

namespace vantaro {

class CAssessment;
class CFactory;
class CLongTermPlan;
class CPupil;
class CSet;
class CStaff;
class CSubjectLevel;

// A subject taught in the year, with its sets, assessments, plans and levels.
class CSubject : public CStored {
public:
    CSubject(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CSubject"; }
    // DESCRIPTION, " - " STREAM, the form, and the initials of a tutor other than the year's.
    // Asks the application factory for the year's tutor, which may create that staff member.
    std::string DisplayText() const override;
    // Core subjects first: a blank before the display text of a core subject, "-" otherwise.
    std::string SortKey() const override;
    // The display text and the display text of the staff member in TUTOR.
    std::string PathText() const override;
    // The display text without the form.
    std::string ShortDisplayText() const;

    CSet* NewSet(CFactory* factory = nullptr);
    CLongTermPlan* NewLongTermPlan(CFactory* factory = nullptr);
    CAssessment* NewAssessment(CStored* pupil, CFactory* factory = nullptr);
    CSubjectLevel* NewSubjectLevel(CFactory* factory = nullptr);

private:
    // " - " and the stream, when there is one.
    std::string StreamText() const;
    // A blank and the initials of the tutor, when that is not the year's tutor.
    std::string TutorInitialsText() const;
};

// A teaching group of a subject.
class CSet : public CStored {
public:
    CSet(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CSet"; }
    std::string DisplayText() const override;
};

}  // namespace vantaro
