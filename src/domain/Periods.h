#pragma once

#include <cstdint>
#include <string>

#include "factory/CStored.h"

namespace vantaro {

class CActivityCategory;
class CAptitude;
class CCurriculum;
class CDay;
class CDuration;
class CFactory;
class CForm;
class CGender;
class CNoteCategory;
class CObjectiveCategory;
class CPupil;
class CStaff;
class CSubject;
class CTerm;
class CTeachingDay;
class CTutorStatement;
class CWeek;

// A period of the school year. Its child periods are listed in the association it names; the
// name is fixed by the class and never stored.
class CPeriod : public CStored {
public:
    const std::string& ChildAssociation() const { return childAssociation_; }

protected:
    CPeriod(CStored* parent, std::int32_t id, std::string childAssociation);

private:
    std::string childAssociation_;
};

// The root of every data store: one school year.
class CYear : public CPeriod {
public:
    CYear(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CYear"; }
    // "2006/2007" once both academic year dates are set, "<New Year>" until then.
    std::string DisplayText() const override;
    // Empty, so that every path ends at the year's children.
    std::string PathText() const override;
    // The name a store not yet saved is offered under: the year and the tutor's name in capital
    // letters and digits, "20062007 MRS HALE".
    std::string SuggestedFileName() const;

    // Each makes a child of the year in its association. Without a factory, the year's is used.
    CPupil* NewPupil(CFactory* factory = nullptr);
    CStaff* NewStaff(CFactory* factory = nullptr);
    CForm* NewForm(CFactory* factory = nullptr);
    CTerm* NewTerm(CFactory* factory = nullptr);
    // The new subject's TUTOR is the year's tutor, if any.
    CSubject* NewSubject(CFactory* factory = nullptr);
    CCurriculum* NewCurriculum(CFactory* factory = nullptr);
    CTutorStatement* NewTutorStatement(CFactory* factory = nullptr);
    CAptitude* NewAptitude(CFactory* factory = nullptr);
    CObjectiveCategory* NewObjectiveCategory(CFactory* factory = nullptr);
    CActivityCategory* NewActivityCategory(CFactory* factory = nullptr);
    CNoteCategory* NewNoteCategory(CFactory* factory = nullptr);
    CGender* NewGender(CFactory* factory = nullptr);
    CTeachingDay* NewTeachingDay(CFactory* factory = nullptr);
    CDuration* NewDuration(CFactory* factory = nullptr);
};

class CTerm : public CPeriod {
public:
    CTerm(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CTerm"; }
    std::string DisplayText() const override;
    std::string SortKey() const override;

    CWeek* NewWeek(CFactory* factory = nullptr);
};

// A week of a term; its START_DATE is its Monday.
class CWeek : public CPeriod {
public:
    CWeek(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CWeek"; }
    std::string DisplayText() const override;
    std::string SortKey() const override;

    CDay* NewDay(CFactory* factory = nullptr);
};

// A day of a week. A new day is dated today.
class CDay : public CPeriod {
public:
    CDay(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CDay"; }
    // "Monday 12 Mar": full weekday name, two-digit day, short month name.
    std::string DisplayText() const override;
    std::string SortKey() const override;
};

}  // namespace vantaro
