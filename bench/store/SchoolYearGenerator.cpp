#include "store/SchoolYearGenerator.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <utility>

#include "domain/Aptitudes.h"
#include "domain/Assessments.h"
#include "domain/CRovanFactory.h"
#include "domain/Curricula.h"
#include "domain/Lookups.h"
#include "domain/People.h"
#include "domain/PeriodBuilding.h"
#include "domain/Periods.h"
#include "domain/PlanItems.h"
#include "domain/Plans.h"
#include "domain/PupilRecords.h"
#include "domain/StoredAccess.h"
#include "domain/Subjects.h"
#include "domain/Summaries.h"
#include "domain/Timetable.h"
#include "routines/DateTime.h"
#include "routines/XMLRoutines.h"

namespace vantaro::bench {
namespace {

constexpr int kFirstCalendarYear = 2006;  // the school year runs from September 2006
constexpr int kFewest = 2;                // objectives, activities and outcomes of a lesson
constexpr int kMost = 4;
constexpr int kAchievementPercent = 80;   // outcomes in which the pupils' achievements are recorded
constexpr int kTeachingWeekdays = 5;
constexpr int kSeededSubjects = 11;
constexpr int kSeededYearForms = 10;      // "Year 2" to "Year 11"

struct TermDates {
    const char* name;
    int startYear, startMonth, startDay;
    int endYear, endMonth, endDay;
};

// Three terms of 15, 11 and 13 weeks: 39 weeks, 195 teaching days.
constexpr TermDates kTerms[] = {
    {"Autumn Term", 2006, 9, 4, 2006, 12, 15},
    {"Spring Term", 2007, 1, 8, 2007, 3, 23},
    {"Summer Term", 2007, 4, 23, 2007, 7, 20},
};

// Typed text in the stored form of its FORMAT kind, as the windows store what is typed.
std::string Stored(const char* format, std::string text) {
    InputToStored(format, text);
    return text;
}

std::string StoredText(const std::string& text) { return Stored("STRING", text); }

std::string StoredDate(int year, int month, int day) { return FormatStoredDate(EncodeDate(year, month, day)); }

std::string StoredDateTime(DateTime date, int hour, int minute) {
    return FormatStoredDate(CombineDateTime(date, EncodeTime(hour, minute, 0)));
}

DateTime DayDate(const CStored& day) { return ParseStoredDate(day.GetAttributeValue("START_DATE")); }

// Sets DESCRIPTION to a text made by make that no other item of the same owner has.
void Describe(CStored& item, std::set<std::string>& used, SeededRandom& random,
              const std::function<std::string(SeededRandom&)>& make) {
    std::string text = make(random);
    for (int attempt = 2; !used.insert(text).second; ++attempt) text = make(random) + " (" + std::to_string(attempt) + ")";
    item.SetAttributeValue("DESCRIPTION", StoredText(text));
}

}  // namespace

SchoolYearGenerator::SchoolYearGenerator(CRovanFactory& factory, StoreShape shape, std::uint64_t seed)
    : factory_(factory), shape_(std::move(shape)), random_(seed) {}

CYear& SchoolYearGenerator::Generate() {
    year_ = factory_.NewDataStore(true);
    DescribeYear();
    AddStaff();
    AddForms();
    AddSubjects();
    AddCurriculumContent();
    AssignFormsToSubjects();
    SetTimetable();
    AddTerms();
    AddMediumTermPlans();
    AddPupils();
    AddAssessments();
    FillLessons();
    return *year_;
}

void SchoolYearGenerator::DescribeYear() {
    year_->SetAttributeValue("ACADEMIC_YEAR_START_DATE", StoredDate(kFirstCalendarYear, 9, 1));
    year_->SetAttributeValue("ACADEMIC_YEAR_END_DATE", StoredDate(kFirstCalendarYear + 1, 8, 31));
    year_->SetAttributeValue("SCHOOL_NAME",
                             StoredText(shape_.forms == 1 ? "Hillside Primary School" : "Hillside Academy"));
    year_->SetAttributeValue("SCHOOL_CONTACT_DETAILS",
                             StoredText("Hillside Road\nNorthbridge NB4 7QT\nTelephone 01632 960412"));
    year_->SetAttributeValue("TUTOR_NAME", StoredText("Sarah Whitfield"));
    static const std::vector<std::string> statements = {
        "A pleasure to teach.", "Works hard in every subject.", "Should read more at home.",
        "Is a valued member of the class.", "Needs to improve punctuality.", "Has a positive attitude to learning.",
    };
    for (const std::string& text : statements)
        year_->NewTutorStatement()->SetAttributeValue("DESCRIPTION", StoredText(text));
}

void SchoolYearGenerator::AddStaff() {
    static const std::vector<std::string> jobs = {"Class Teacher", "Teaching Assistant", "Subject Leader",
                                                  "Learning Mentor", "SENCO", "Head of Year"};
    CStaff* tutor = factory_.Tutor();  // made from the year's TUTOR_NAME
    tutor->SetAttributeValue("JOB_TITLE", StoredText("Class Teacher"));
    staff_.push_back(tutor);
    std::set<std::string> names = {tutor->DisplayText()};
    while (static_cast<int>(staff_.size()) < shape_.staff) {
        const std::string first = random_.Pick(random_.Chance(60) ? GirlNames() : BoyNames());
        const std::string last = random_.Pick(FamilyNames());
        if (!names.insert(first + " " + last).second) continue;
        CStaff* member = year_->NewStaff();
        member->SetAttributeValue("FIRST_NAME", StoredText(first));
        member->SetAttributeValue("LAST_NAME", StoredText(last));
        member->SetAttributeValue("JOB_TITLE", StoredText(random_.Pick(jobs)));
        staff_.push_back(member);
    }
}

void SchoolYearGenerator::AddForms() {
    static const std::vector<std::string> houses = {"", "East", "West", "North", "South", "Oak", "Ash"};
    if (shape_.forms == 1) {
        forms_.push_back(year_->FindInAssociation("FORMS", "Year 4"));
        return;
    }
    for (int i = 0; i < shape_.forms; ++i) {
        const std::string yearName = "Year " + std::to_string(2 + i % kSeededYearForms);
        const int house = i / kSeededYearForms;
        if (house == 0) {
            forms_.push_back(year_->FindInAssociation("FORMS", yearName));
            continue;
        }
        CForm* form = year_->NewForm();
        form->SetAttributeValue("DESCRIPTION",
                                StoredText(yearName + " " + houses[static_cast<std::size_t>(house) % houses.size()]));
        forms_.push_back(form);
    }
}

void SchoolYearGenerator::AddSubjects() {
    // Half the staff teach (the tutor first); the rest assist in lessons.
    const int teachers = std::max(1, shape_.staff / 2);
    for (CSubject* subject : MembersAs<CSubject>(*year_, "SUBJECTS")) {
        SubjectInfo info;
        info.subject = subject;
        info.name = Shown(*subject, "DESCRIPTION");
        info.curriculum = dynamic_cast<CCurriculum*>(year_->FindInAssociation("CURRICULUMS", info.name));
        subjects_.push_back(info);
    }
    const std::vector<ExtraSubject>& extras = ExtraSubjects();
    for (int i = kSeededSubjects; i < shape_.subjects; ++i) {
        const int extra = i - kSeededSubjects;
        const ExtraSubject& kind = extras[static_cast<std::size_t>(extra) % extras.size()];
        const int round = extra / static_cast<int>(extras.size());
        SubjectInfo info;
        info.subject = year_->NewSubject();
        info.subject->SetAttributeValue("DESCRIPTION", StoredText(kind.description));
        if (round > 0) info.subject->SetAttributeValue("STREAM", StoredText("Group " + std::to_string(round + 1)));
        for (const char* set : {"Set 1", "Set 2", "Set 3", "Set 4"})
            info.subject->NewSet()->SetAttributeValue("DESCRIPTION", StoredText(set));
        info.name = kind.description;
        info.curriculum = dynamic_cast<CCurriculum*>(year_->FindInAssociation("CURRICULUMS", kind.curriculum));
        subjects_.push_back(info);
    }
    for (std::size_t i = 0; i < subjects_.size(); ++i) {
        SubjectInfo& info = subjects_[i];
        info.teacher = staff_[i % static_cast<std::size_t>(teachers)];
        info.subject->SetRelation("TUTOR", info.teacher);
        LinkCurriculumLevels(info);
    }
}

// The subject is taught at levels 3 and 4 of every attainment of its curriculum.
void SchoolYearGenerator::LinkCurriculumLevels(SubjectInfo& info) {
    if (!info.curriculum) return;
    for (CStored* attainment : info.curriculum->AssociationItems("ATTAINMENTS")) {
        const std::vector<CStored*> levels = attainment->AssociationItems("CURRICULUM_LEVELS");
        for (std::size_t level = 2; level < 4 && level < levels.size(); ++level)
            info.subject->AddToAssociation("CURRICULUM_LEVELS", levels[level]);
    }
}

// Statements for levels 2 to 5 of every attainment, and three grades per curriculum.
void SchoolYearGenerator::AddCurriculumContent() {
    static const std::vector<std::pair<const char*, const char*>> grades = {
        {"Working Towards", "0"}, {"Expected Standard", "1"}, {"Greater Depth", "2"}};
    for (CCurriculum* curriculum : MembersAs<CCurriculum>(*year_, "CURRICULUMS")) {
        for (CAttainment* attainment : MembersAs<CAttainment>(*curriculum, "ATTAINMENTS")) {
            const std::vector<CCurriculumLevel*> levels = MembersAs<CCurriculumLevel>(*attainment, "CURRICULUM_LEVELS");
            for (std::size_t level = 1; level < 5 && level < levels.size(); ++level) {
                std::set<std::string> used;
                for (int k = 0; k < 2; ++k) Describe(*levels[level]->NewCurriculumStatement(), used, random_, StatementText);
            }
        }
        for (const auto& [description, progress] : grades) {
            CGrade* grade = curriculum->NewGrade();
            grade->SetAttributeValue("DESCRIPTION", StoredText(description));
            grade->SetAttributeValue("PROGRESS", Stored("NUMBER", progress));
        }
    }
}

// Form f takes subjectsPerForm subjects in a row, starting subjects / forms further along than
// the form before, so every subject is taken by about the same number of forms.
void SchoolYearGenerator::AssignFormsToSubjects() {
    const int subjects = static_cast<int>(subjects_.size());
    const int step = std::max(1, subjects / shape_.forms);
    const int perForm = std::min(shape_.subjectsPerForm, subjects);
    for (int form = 0; form < shape_.forms; ++form)
        for (int k = 0; k < perForm; ++k)
            subjects_[static_cast<std::size_t>((form * step + k) % subjects)].forms.push_back(form);
}

// Every subject that some form takes is taught on every weekday.
void SchoolYearGenerator::SetTimetable() {
    for (int weekday = 1; weekday <= kTeachingWeekdays; ++weekday) {
        CTeachingDay* teachingDay = TeachingDayOf(*year_, weekday, true);
        for (const SubjectInfo& info : subjects_)
            if (!info.forms.empty()) teachingDay->AddToAssociation("SUBJECTS", info.subject);
    }
}

// The terms, their weeks and their days; building the days makes the lesson plans.
void SchoolYearGenerator::AddTerms() {
    for (int t = 0; t < shape_.terms && t < static_cast<int>(std::size(kTerms)); ++t) {
        const TermDates& dates = kTerms[t];
        CTerm* term = year_->NewTerm();
        term->SetAttributeValue("DESCRIPTION", StoredText(dates.name));
        term->SetAttributeValue("START_DATE", StoredDate(dates.startYear, dates.startMonth, dates.startDay));
        term->SetAttributeValue("END_DATE", StoredDate(dates.endYear, dates.endMonth, dates.endDay));
        BuildWeeks(*term);
        for (CWeek* week : MembersAs<CWeek>(*term, "WEEKS")) {
            BuildDays(*week, *year_);
            for (CDay* day : MembersAs<CDay>(*week, "DAYS")) days_.push_back(day);
        }
    }
}

// The long-term plan's aims, and a session per term with its objectives, activities and resources.
void SchoolYearGenerator::AddMediumTermPlans() {
    for (const SubjectInfo& info : subjects_) {
        CLongTermPlan* longTermPlan = LongTermPlanOf(*info.subject, true);
        std::set<std::string> used;
        for (int k = 0; k < 3; ++k) Describe(*longTermPlan->NewObjective(), used, random_, ObjectiveText);
        int sequence = 0;
        for (CTerm* term : MembersAs<CTerm>(*year_, "TERMS")) {
            CMedimumTermPlan* session = longTermPlan->NewMedimumTermPlan();
            session->SetRelation("TERM", term);
            session->SetAttributeValue("DURATION", Stored("NUMBER", std::to_string(random_.Between(10, 15))));
            session->SetAttributeValue("SEQUENCE", Stored("NUMBER", std::to_string(++sequence)));
            std::set<std::string> sessionTexts;
            for (int k = 0; k < 2; ++k) {
                Describe(*session->NewObjective(), sessionTexts, random_, ObjectiveText);
                Describe(*session->NewActivity(), sessionTexts, random_, ActivityText);
                Describe(*session->NewResource(), sessionTexts, random_, ResourceText);
            }
        }
    }
}

std::string SchoolYearGenerator::UniquePupilName(bool girl, std::string& firstName, std::string& middle) {
    for (;;) {
        firstName = random_.Pick(girl ? GirlNames() : BoyNames());
        const std::string last = random_.Pick(FamilyNames());
        middle.clear();
        if (pupilNames_.insert(firstName + " " + last).second) return last;
        middle = std::string(1, static_cast<char>('A' + random_.Below(26)));
        if (pupilNames_.insert(firstName + " " + middle + " " + last).second) return last;
    }
}

void SchoolYearGenerator::AddPupils() {
    CStored* female = year_->FindInAssociation("GENDERS", "Female");
    CStored* male = year_->FindInAssociation("GENDERS", "Male");
    pupilsOfForm_.resize(static_cast<std::size_t>(shape_.forms));
    for (int form = 0; form < shape_.forms; ++form) {
        // Pupils of "Year n" are born between September and August, n + 5 years before the year.
        const int yearGroup = 2 + form % kSeededYearForms;
        const int bornFrom = shape_.forms == 1 ? kFirstCalendarYear - 9 : kFirstCalendarYear - 5 - yearGroup;
        for (int k = 0; k < shape_.pupilsPerForm; ++k) {
            const bool girl = random_.Chance(50);
            PupilInfo info;
            std::string middle;
            const std::string last = UniquePupilName(girl, info.firstName, middle);
            info.pronouns = girl ? Pronouns{"she", "her"} : Pronouns{"he", "his"};
            info.form = form;
            info.ability = random_.Between(15, 95);
            info.pupil = year_->NewPupil();
            info.pupil->SetAttributeValue("FIRST_NAME", StoredText(info.firstName));
            info.pupil->SetAttributeValue("MIDDLE_INITIALS", StoredText(middle));
            info.pupil->SetAttributeValue("LAST_NAME", StoredText(last));
            const DateTime birthday = EncodeDate(bornFrom, 9, 1) + random_.Below(365);
            info.pupil->SetAttributeValue("DATE_OF_BIRTH", FormatStoredDate(birthday));
            info.pupil->SetRelation("FORM", forms_[static_cast<std::size_t>(form)]);
            info.pupil->SetRelation("GENDER", girl ? female : male);
            info.assessments.assign(subjects_.size(), nullptr);
            AddPupilRecords(info);
            pupilsOfForm_[static_cast<std::size_t>(form)].push_back(static_cast<int>(pupils_.size()));
            pupils_.push_back(std::move(info));
        }
    }
}

// Notes and absences on different school days, and the tutor's report comments.
void SchoolYearGenerator::AddPupilRecords(PupilInfo& info) {
    const std::vector<CStored*> categories = year_->AssociationItems("NOTE_CATEGORIES");
    const std::vector<CStored*> durations = year_->AssociationItems("DURATIONS");
    const int notes = random_.Between(2, 5);
    const int absences = random_.Between(1, 4);
    const std::vector<int> days = random_.Distinct(notes + absences, static_cast<int>(days_.size()));
    for (int k = 0; k < notes; ++k) {
        CNote* note = info.pupil->NewNote();
        note->SetAttributeValue("DATE", StoredDateTime(DayDate(*days_[static_cast<std::size_t>(days[static_cast<std::size_t>(k)])]), 8, 50));
        note->SetAttributeValue("DESCRIPTION", StoredText(PupilNoteText(random_, info.firstName)));
        note->SetRelation("NOTE_CATEGORY", random_.Pick(categories));
    }
    for (int k = notes; k < notes + absences; ++k) {
        CAbsence* absence = info.pupil->NewAbsence();
        absence->SetAttributeValue("DATE", StoredDateTime(DayDate(*days_[static_cast<std::size_t>(days[static_cast<std::size_t>(k)])]), 9, 0));
        absence->SetAttributeValue("AUTHORIZED", Stored("BOOLEAN", random_.Chance(75) ? "true" : "false"));
        absence->SetAttributeValue("DESCRIPTION", StoredText(AbsenceText(random_)));
        absence->SetRelation("DURATION", random_.Pick(durations));
    }
    CComment* general = info.pupil->NewComment();
    general->SetAttributeValue("TITLE", StoredText("Tutor Comment"));
    general->SetAttributeValue("DESCRIPTION", StoredText(TutorComment(random_, info.firstName, info.pronouns)));
    CComment* targets = info.pupil->NewComment();
    targets->SetAttributeValue("TITLE", StoredText("Targets"));
    targets->SetAttributeValue("DESCRIPTION",
                               StoredText("Targets for next year: " + ObjectiveText(random_) + "; " + ObjectiveText(random_) + "."));
}

// An assessment of every pupil in every subject of the pupil's form, in the set that suits the
// pupil, with a subject report and the gradings of each attainment target.
void SchoolYearGenerator::AddAssessments() {
    for (std::size_t s = 0; s < subjects_.size(); ++s) {
        const SubjectInfo& info = subjects_[s];
        const std::vector<CStored*> sets = info.subject->AssociationItems("SETS");
        for (int form : info.forms)
            for (int p : pupilsOfForm_[static_cast<std::size_t>(form)]) {
                PupilInfo& pupil = pupils_[static_cast<std::size_t>(p)];
                CAssessment* assessment = info.subject->NewAssessment(pupil.pupil);
                pupil.assessments[s] = assessment;
                const std::size_t set = sets.size() * static_cast<std::size_t>(100 - pupil.ability) / 101;
                if (!sets.empty()) assessment->SetRelation("SET", sets[set]);
                assessment->SetAttributeValue(
                    "SUBJECT_REPORT", StoredText(SubjectReport(random_, pupil.firstName, info.name, pupil.pronouns)));
                for (const char* staff : {"INITIAL_STAFF", "TARGET_STAFF", "FINAL_STAFF"})
                    assessment->AddToAssociation(staff, info.teacher);
                EnsureAttainmentTargets(*assessment);
                const int level = 2 + pupil.ability / 25;
                for (CStored* target : assessment->AssociationItems("ATTAINMENT_TARGETS")) {
                    target->SetAttributeValue("INITIAL_GRADING", Stored("CODE", Grading(level, random_)));
                    target->SetAttributeValue("TARGET_GRADING", Stored("CODE", Grading(level + 1, random_)));
                    target->SetAttributeValue("FINAL_GRADING", Stored("CODE", Grading(level + random_.Below(2), random_)));
                }
            }
    }
}

// Each subject's lessons go to the forms that take it in turn.
void SchoolYearGenerator::FillLessons() {
    for (std::size_t s = 0; s < subjects_.size(); ++s) {
        const SubjectInfo& info = subjects_[s];
        if (info.forms.empty()) continue;
        CLongTermPlan* longTermPlan = LongTermPlanOf(*info.subject, false);
        const std::vector<CLessonPlan*> plans = MembersAs<CLessonPlan>(*longTermPlan, "LESSON_PLANS");
        for (std::size_t i = 0; i < plans.size(); ++i)
            FillLesson(info, static_cast<int>(s), *plans[i], info.forms[i % info.forms.size()]);
    }
}

// Tops the lesson's objectives, activities and outcomes (some come from the subject's presets)
// up to two to four each, describes them, records achievements and notes.
void SchoolYearGenerator::FillLesson(const SubjectInfo& subject, int subjectIndex, CLessonPlan& plan, int form) {
    const std::vector<CStored*> objectiveCategories = year_->AssociationItems("OBJECTIVE_CATEGORIES");
    const std::vector<CStored*> activityCategories = year_->AssociationItems("ACTIVITY_CATEGORIES");
    const std::vector<CStored*> aptitudes = year_->AssociationItems("APTITUDES");
    const std::vector<CStored*> sets = subject.subject->AssociationItems("SETS");
    std::set<std::string> used;

    const int objectives = random_.Between(kFewest, kMost);
    while (plan.AssociationCount("OBJECTIVES") < objectives)
        plan.NewObjective()->SetRelation("OBJECTIVE_CATEGORY", random_.Pick(objectiveCategories));
    for (CStored* objective : plan.AssociationItems("OBJECTIVES")) Describe(*objective, used, random_, ObjectiveText);

    const int activities = random_.Between(kFewest, kMost);
    while (plan.AssociationCount("ACTIVITIES") < activities) {
        CActivity* activity = plan.NewActivity();
        activity->AddToAssociation("FOCUS", random_.Chance(50) && !sets.empty() ? random_.Pick(sets)
                                                                                : random_.Pick(activityCategories));
    }
    for (CStored* activity : plan.AssociationItems("ACTIVITIES")) {
        Describe(*activity, used, random_, ActivityText);
        if (staff_.size() > 1 && random_.Chance(30))
            activity->AddToAssociation("STAFF", staff_[static_cast<std::size_t>(random_.Between(1, static_cast<int>(staff_.size()) - 1))]);
    }

    const int outcomes = random_.Between(kFewest, kMost);
    while (plan.AssociationCount("OUTCOMES") < outcomes) plan.NewOutcome();
    std::vector<CStored*> statements;
    if (subject.curriculum)
        for (CStored* attainment : subject.curriculum->AssociationItems("ATTAINMENTS"))
            for (CStored* level : attainment->AssociationItems("CURRICULUM_LEVELS"))
                for (CStored* statement : level->AssociationItems("CURRICULUM_STATEMENTS")) statements.push_back(statement);
    for (CStored* outcome : plan.AssociationItems("OUTCOMES")) {
        Describe(*outcome, used, random_, OutcomeText);
        outcome->SetRelation("APTITUDE", random_.Pick(aptitudes));
        if (!statements.empty() && random_.Chance(50)) outcome->SetRelation("CURRICULUM_STATEMENT", random_.Pick(statements));
        if (random_.Chance(kAchievementPercent)) AddAchievements(*outcome, subjectIndex, form);
    }

    if (random_.Chance(60)) plan.SetAttributeValue("EVALUATION", StoredText(LessonEvaluation(random_)));
    AddLessonNotes(plan, subjectIndex, form);
}

// Every pupil of the form reached the capability nearest to how well they did.
void SchoolYearGenerator::AddAchievements(CStored& outcome, int subjectIndex, int form) {
    for (int p : pupilsOfForm_[static_cast<std::size_t>(form)]) {
        const PupilInfo& pupil = pupils_[static_cast<std::size_t>(p)];
        CAssessment* assessment = pupil.assessments[static_cast<std::size_t>(subjectIndex)];
        if (!assessment) continue;
        const int percent = std::clamp(pupil.ability + random_.Between(-25, 25), 0, 100);
        outcome.SetLink("ACHIEVEMENTS", assessment, NearestCapabilityOf(outcome, percent));
    }
}

CCapability* SchoolYearGenerator::NearestCapabilityOf(const CStored& outcome, int percent) {
    const CStored* aptitude = outcome.GetRelation("APTITUDE");
    auto known = nearestCapabilities_.find(aptitude);
    if (known == nearestCapabilities_.end()) {
        known = nearestCapabilities_.emplace(aptitude, std::array<CCapability*, kPercents>{}).first;
        const auto& typed = dynamic_cast<const COutcome&>(outcome);
        for (int score = 0; score < kPercents; ++score)
            known->second[static_cast<std::size_t>(score)] = NearestCapability(typed, score / 100.0);
    }
    return known->second[static_cast<std::size_t>(percent)];
}

// Up to two pupils of the lesson get a note in their assessment, dated at the lesson.
void SchoolYearGenerator::AddLessonNotes(CLessonPlan& plan, int subjectIndex, int form) {
    const std::vector<int>& pupils = pupilsOfForm_[static_cast<std::size_t>(form)];
    const std::vector<CStored*> categories = year_->AssociationItems("NOTE_CATEGORIES");
    const CStored* day = plan.GetRelation("DAY");
    const int notes = std::min(random_.Between(0, 2), static_cast<int>(pupils.size()));
    for (int k : random_.Distinct(notes, static_cast<int>(pupils.size()))) {
        const PupilInfo& pupil = pupils_[static_cast<std::size_t>(pupils[static_cast<std::size_t>(k)])];
        CAssessment* assessment = pupil.assessments[static_cast<std::size_t>(subjectIndex)];
        if (!assessment || !day) continue;
        CNote* note = assessment->NewNote(&plan);
        note->SetAttributeValue("DATE", StoredDateTime(DayDate(*day), random_.Between(9, 14), 0));
        note->SetAttributeValue("DESCRIPTION", StoredText(LessonNoteText(random_, pupil.firstName)));
        note->SetRelation("NOTE_CATEGORY", random_.Pick(categories));
    }
}

}  // namespace vantaro::bench
