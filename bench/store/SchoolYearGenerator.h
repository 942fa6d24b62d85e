#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "store/SampleTexts.h"
#include "store/SeededRandom.h"
#include "store/StoreShape.h"

namespace vantaro {
class CAssessment;
class CCapability;
class CCurriculum;
class CDay;
class CLessonPlan;
class CPupil;
class CRovanFactory;
class CStaff;
class CStored;
class CSubject;
class CYear;
}  // namespace vantaro

namespace vantaro::bench {

// Builds a whole school year in a factory through the domain's own operations, the way the
// windows do: the seeded vocabulary, staff, forms, subjects with their curricula and timetable,
// three terms whose weeks and days are built (each teaching day making a lesson plan for every
// subject), pupils with notes, absences and report comments, an assessment of every pupil in each
// subject of the pupil's form with gradings and a subject report, and every lesson filled with
// objectives, activities and outcomes, achievements of the pupils taught and lesson notes.
//
// Attribute values are set in their stored form, and every object is made by a creation
// operation, so the store passes the integrity check without an error. The same shape and seed
// give the same store.
class SchoolYearGenerator {
public:
    SchoolYearGenerator(CRovanFactory& factory, StoreShape shape, std::uint64_t seed);

    // Replaces the factory's store by the generated year and returns it.
    CYear& Generate();

private:
    struct PupilInfo {
        CPupil* pupil = nullptr;
        std::string firstName;
        Pronouns pronouns;
        int form = 0;
        int ability = 50;  // 0 to 100
        std::vector<CAssessment*> assessments;  // by subject index; null when not taught
    };
    struct SubjectInfo {
        CSubject* subject = nullptr;
        std::string name;
        CCurriculum* curriculum = nullptr;
        CStaff* teacher = nullptr;
        std::vector<int> forms;  // the forms that take it
    };

    void DescribeYear();
    void AddStaff();
    void AddForms();
    void AddSubjects();
    void AddCurriculumContent();
    void LinkCurriculumLevels(SubjectInfo& info);
    void AssignFormsToSubjects();
    void SetTimetable();
    void AddTerms();
    void AddMediumTermPlans();
    void AddPupils();
    void AddPupilRecords(PupilInfo& info);
    void AddAssessments();
    void FillLessons();
    void FillLesson(const SubjectInfo& subject, int subjectIndex, CLessonPlan& plan, int form);
    void AddAchievements(CStored& outcome, int subjectIndex, int form);
    void AddLessonNotes(CLessonPlan& plan, int subjectIndex, int form);

    std::string UniquePupilName(bool girl, std::string& firstName, std::string& middle);
    CCapability* NearestCapabilityOf(const CStored& outcome, int percent);

    CRovanFactory& factory_;
    StoreShape shape_;
    SeededRandom random_;
    CYear* year_ = nullptr;
    std::vector<CStaff*> staff_;
    std::vector<CStored*> forms_;
    std::vector<SubjectInfo> subjects_;
    std::vector<PupilInfo> pupils_;
    std::vector<std::vector<int>> pupilsOfForm_;
    std::vector<CDay*> days_;  // every school day, in date order
    std::set<std::string> pupilNames_;
    // The capability nearest to each score in percent, by aptitude: what NearestCapability gives
    // for any outcome of that aptitude, worked out once rather than for every achievement.
    static constexpr int kPercents = 101;  // whole scores from 0 to 100 per cent
    std::map<const CStored*, std::array<CCapability*, kPercents>> nearestCapabilities_;
};

}  // namespace vantaro::bench
