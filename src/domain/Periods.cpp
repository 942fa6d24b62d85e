#include "domain/Periods.h"

#include <cstdio>
#include <utility>

#include "domain/Aptitudes.h"
#include "domain/CRovanFactory.h"
#include "domain/Curricula.h"
#include "domain/People.h"
#include "domain/PlanItems.h"
#include "domain/PupilRecords.h"
#include "domain/Schema.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"
#include "routines/DateTime.h"
#include "routines/Platform.h"
#include "routines/TextBasics.h"
#include "routines/Words.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

std::string FourDigitYear(DateTime value) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d", DecodeDate(value).year);
    return text;
}

}  // namespace

CPeriod::CPeriod(CStored* parent, std::int32_t id, std::string childAssociation)
    : CStored(parent, id), childAssociation_(std::move(childAssociation)) {}

CYear::CYear(CStored* parent, std::int32_t id) : CPeriod(parent, id, "TERMS") {
    DeclareAttribute(*this, "ACADEMIC_YEAR_START_DATE", "DATE", "-2");
    DeclareAttribute(*this, "ACADEMIC_YEAR_END_DATE", "DATE", "-2");
    DeclareAttribute(*this, "SCHOOL_NAME", "STRING");
    DeclareAttribute(*this, "SCHOOL_CONTACT_DETAILS", "STRING");
    DeclareAttribute(*this, "TUTOR_NAME", "STRING");
    for (const char* name : {"TERMS", "FORMS", "SUBJECTS", "STAFF", "CURRICULUMS", "PUPILS",
                             "TUTOR_STATEMENTS", "OBJECTIVE_CATEGORIES", "ACTIVITY_CATEGORIES",
                             "NOTE_CATEGORIES", "APTITUDES", "GENDERS", "TEACHING_DAYS",
                             "DURATIONS"})
        DeclareAssociation(*this, name, true);
}

std::string CYear::DisplayText() const {
    const DateTime start = ParseStoredDate(GetAttributeValue("ACADEMIC_YEAR_START_DATE"));
    const DateTime end = ParseStoredDate(GetAttributeValue("ACADEMIC_YEAR_END_DATE"));
    if (IsRealDate(start) && IsRealDate(end)) return FourDigitYear(start) + "/" + FourDigitYear(end);
    return UnescapeText(NewObjectText(ClassName()));
}

std::string CYear::PathText() const { return {}; }

std::string CYear::SuggestedFileName() const {
    return Trim(UpperAlphanumeric(DisplayText() + " " + GetAttributeText("TUTOR_NAME")));
}

CPupil* CYear::NewPupil(CFactory* factory) { return CreateMember<CPupil>(*this, "PUPILS", factory); }
CStaff* CYear::NewStaff(CFactory* factory) { return CreateMember<CStaff>(*this, "STAFF", factory); }
CForm* CYear::NewForm(CFactory* factory) { return CreateMember<CForm>(*this, "FORMS", factory); }
CTerm* CYear::NewTerm(CFactory* factory) { return CreateMember<CTerm>(*this, "TERMS", factory); }

CSubject* CYear::NewSubject(CFactory* factory) {
    CSubject* subject = CreateMember<CSubject>(*this, "SUBJECTS", factory);
    auto* application = dynamic_cast<CRovanFactory*>(subject->GetFactory());
    subject->SetRelation("TUTOR", application ? application->Tutor() : nullptr);
    return subject;
}

CCurriculum* CYear::NewCurriculum(CFactory* factory) {
    return CreateMember<CCurriculum>(*this, "CURRICULUMS", factory);
}
CTutorStatement* CYear::NewTutorStatement(CFactory* factory) {
    return CreateMember<CTutorStatement>(*this, "TUTOR_STATEMENTS", factory);
}
CAptitude* CYear::NewAptitude(CFactory* factory) {
    return CreateMember<CAptitude>(*this, "APTITUDES", factory);
}
CObjectiveCategory* CYear::NewObjectiveCategory(CFactory* factory) {
    return CreateMember<CObjectiveCategory>(*this, "OBJECTIVE_CATEGORIES", factory);
}
CActivityCategory* CYear::NewActivityCategory(CFactory* factory) {
    return CreateMember<CActivityCategory>(*this, "ACTIVITY_CATEGORIES", factory);
}
CNoteCategory* CYear::NewNoteCategory(CFactory* factory) {
    return CreateMember<CNoteCategory>(*this, "NOTE_CATEGORIES", factory);
}
CGender* CYear::NewGender(CFactory* factory) { return CreateMember<CGender>(*this, "GENDERS", factory); }
CTeachingDay* CYear::NewTeachingDay(CFactory* factory) {
    return CreateMember<CTeachingDay>(*this, "TEACHING_DAYS", factory);
}
CDuration* CYear::NewDuration(CFactory* factory) {
    return CreateMember<CDuration>(*this, "DURATIONS", factory);
}

CTerm::CTerm(CStored* parent, std::int32_t id) : CPeriod(parent, id, "WEEKS") {
    DeclareAttribute(*this, "DESCRIPTION", "STRING");
    DeclareAttribute(*this, "START_DATE", "DATE", "-2");
    DeclareAttribute(*this, "END_DATE", "DATE", "-2");
    DeclareAssociation(*this, "WEEKS", true);
}

std::string CTerm::DisplayText() const { return Shown(*this, "DESCRIPTION"); }
std::string CTerm::SortKey() const { return GetAttributeValue("START_DATE"); }
CWeek* CTerm::NewWeek(CFactory* factory) { return CreateMember<CWeek>(*this, "WEEKS", factory); }

CWeek::CWeek(CStored* parent, std::int32_t id) : CPeriod(parent, id, "DAYS") {
    DeclareAttribute(*this, "START_DATE", "DATE", "-2");
    DeclareAssociation(*this, "DAYS", true);
}

std::string CWeek::DisplayText() const { return Shown(*this, "START_DATE"); }
std::string CWeek::SortKey() const { return GetAttributeValue("START_DATE"); }
CDay* CWeek::NewDay(CFactory* factory) { return CreateMember<CDay>(*this, "DAYS", factory); }

CDay::CDay(CStored* parent, std::int32_t id) : CPeriod(parent, id, "") {
    DeclareAttribute(*this, "START_DATE", "DATE",
                     FormatStoredDate(DateOf(Platform::CurrentClock().Now())));
}

std::string CDay::DisplayText() const {
    return FormatDateTime("dddd dd mmm", ParseStoredDate(GetAttributeValue("START_DATE")),
                          Platform::CurrentLocale());
}

std::string CDay::SortKey() const { return GetAttributeValue("START_DATE"); }

}  // namespace vantaro
