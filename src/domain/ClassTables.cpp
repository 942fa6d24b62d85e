#include "domain/ClassTables.h"

#include <algorithm>
#include <array>

#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/Curricula.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"

namespace vantaro {
namespace {

struct StoredClass {
    std::string_view name;
    std::string_view collection;  // the parent's association
    std::unique_ptr<CStored> (*create)(std::int32_t id);
};

template <class T>
std::unique_ptr<CStored> Make(std::int32_t id) {
    return std::make_unique<T>(nullptr, id);
}

constexpr std::array kClasses{
    StoredClass{"CAbsence", "ABSENCES", Make<CAbsence>},
    StoredClass{"CActivity", "ACTIVITIES", Make<CActivity>},
    StoredClass{"CActivityCategory", "ACTIVITY_CATEGORIES", Make<CActivityCategory>},
    StoredClass{"CAptitude", "APTITUDES", Make<CAptitude>},
    StoredClass{"CAssessment", "ASSESSMENTS", Make<CAssessment>},
    StoredClass{"CAttainment", "ATTAINMENTS", Make<CAttainment>},
    StoredClass{"CAttainmentTarget", "ATTAINMENT_TARGETS", Make<CAttainmentTarget>},
    StoredClass{"CCapability", "CAPABILITIES", Make<CCapability>},
    StoredClass{"CComment", "COMMENTS", Make<CComment>},
    StoredClass{"CCurriculum", "CURRICULUMS", Make<CCurriculum>},
    StoredClass{"CCurriculumLevel", "CURRICULUM_LEVELS", Make<CCurriculumLevel>},
    StoredClass{"CCurriculumStatement", "CURRICULUM_STATEMENTS", Make<CCurriculumStatement>},
    StoredClass{"CDay", "DAYS", Make<CDay>},
    StoredClass{"CDuration", "DURATIONS", Make<CDuration>},
    StoredClass{"CGender", "GENDERS", Make<CGender>},
    StoredClass{"CGrade", "GRADES", Make<CGrade>},
    StoredClass{"CForm", "FORMS", Make<CForm>},
    StoredClass{"CLessonPlan", "LESSON_PLANS", Make<CLessonPlan>},
    StoredClass{"CLongTermPlan", "LONG_TERM_PLANS", Make<CLongTermPlan>},
    StoredClass{"CMedimumTermPlan", "MEDIMUM_TERM_PLANS", Make<CMedimumTermPlan>},
    StoredClass{"CNote", "NOTES", Make<CNote>},
    StoredClass{"CNoteCategory", "NOTE_CATEGORIES", Make<CNoteCategory>},
    StoredClass{"CObjective", "OBJECTIVES", Make<CObjective>},
    StoredClass{"CObjectiveCategory", "OBJECTIVE_CATEGORIES", Make<CObjectiveCategory>},
    StoredClass{"COutcome", "OUTCOMES", Make<COutcome>},
    StoredClass{"CPupil", "PUPILS", Make<CPupil>},
    StoredClass{"CResource", "RESOURCES", Make<CResource>},
    StoredClass{"CSet", "SETS", Make<CSet>},
    StoredClass{"CStaff", "STAFF", Make<CStaff>},
    StoredClass{"CSubject", "SUBJECTS", Make<CSubject>},
    StoredClass{"CSubjectLevel", "SUBJECT_LEVELS", Make<CSubjectLevel>},
    StoredClass{"CSubjectStatement", "SUBJECT_STATEMENTS", Make<CSubjectStatement>},
    StoredClass{"CTeachingDay", "TEACHING_DAYS", Make<CTeachingDay>},
    StoredClass{"CTerm", "TERMS", Make<CTerm>},
    StoredClass{"CTutorStatement", "TUTOR_STATEMENTS", Make<CTutorStatement>},
    StoredClass{"CYear", "", Make<CYear>},
    StoredClass{"CWeek", "WEEKS", Make<CWeek>},
};

const StoredClass* FindClass(std::string_view name) {
    const auto found = std::find_if(kClasses.begin(), kClasses.end(),
                                    [&](const StoredClass& c) { return c.name == name; });
    return found == kClasses.end() ? nullptr : &*found;
}

}  // namespace

const std::vector<std::string_view>& StoredClassNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const StoredClass& c : kClasses) all.push_back(c.name);
        return all;
    }();
    return names;
}

std::unique_ptr<CStored> CreateStoredObject(std::string_view className, std::int32_t id) {
    const StoredClass* found = FindClass(className);
    return found ? found->create(id) : nullptr;
}

std::string_view CollectionOf(std::string_view className) {
    const StoredClass* found = FindClass(className);
    return found ? found->collection : std::string_view();
}

}  // namespace vantaro
