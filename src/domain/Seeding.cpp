#include "domain/Seeding.h"

#include <string>
#include <string_view>
#include <vector>

#include "domain/Aptitudes.h"
#include "domain/Curricula.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/PlanItems.h"
#include "domain/PupilRecords.h"
#include "domain/Subjects.h"
#include "domain/Timetable.h"

namespace vantaro {
namespace {

using Texts = std::vector<std::string_view>;

struct CapabilityStep {
    std::string_view description;
    std::string_view score;
};

struct Scale {
    std::string_view aptitude;
    std::vector<CapabilityStep> steps;
};

struct CurriculumSeed {
    std::string_view description;
    Texts attainments;  // one unnamed attainment when empty
};

struct CorePresets {
    std::string_view subject;
    Texts objectives;
    Texts activities;
};

// A fraction written with two decimals from whole hundredths: 5 gives "0.05", 100 "1.00".
std::string Hundredths(int hundredths) {
    const std::string cents = std::to_string(hundredths % 100);
    return std::to_string(hundredths / 100) + "." + (cents.size() < 2 ? "0" : "") + cents;
}

void SeedTeachingDays(CYear& year) {
    constexpr int kDays = 7;
    constexpr int kLastSchoolDay = 5;
    for (int day = 1; day <= kDays; ++day) {
        CTeachingDay* teachingDay = year.NewTeachingDay();
        teachingDay->SetAttributeValue("DAY_OF_WEEK", std::to_string(day));
        teachingDay->SetAttributeValue("INCLUDE_IN_LESSON_PLANING",
                                       day <= kLastSchoolDay ? "TRUE" : "FALSE");
    }
}

void SeedGenders(CYear& year) {
    const std::vector<Texts> genders = {{"Female", "she", "her"}, {"Male", "he", "his"}};
    for (const Texts& gender : genders) {
        CGender* made = year.NewGender();
        made->SetAttributeValue("DESCRIPTION", gender[0]);
        made->SetAttributeValue("NAME_REPLACEMENT", gender[1]);
        made->SetAttributeValue("GENITIVE_REPLACEMENT", gender[2]);
    }
}

void SeedDurations(CYear& year) {
    const std::vector<Texts> durations = {
        {"Late Arrival", "0.0"}, {"Half Day", "0.5"},   {"One Day", "1"},  {"Two Days", "2"},
        {"Three Days", "3"},     {"Four Days", "4"},    {"One Week", "5"}, {"Two Weeks", "10"},
    };
    for (const Texts& duration : durations) {
        CDuration* made = year.NewDuration();
        made->SetAttributeValue("DESCRIPTION", duration[0]);
        made->SetAttributeValue("LENGTH", duration[1]);
    }
}

void SeedForms(CYear& year) {
    constexpr int kLastYearGroup = 11;
    year.NewForm()->SetAttributeValue("DESCRIPTION", "Nursery");
    year.NewForm()->SetAttributeValue("DESCRIPTION", "Reception");
    for (int group = 1; group <= kLastYearGroup; ++group)
        year.NewForm()->SetAttributeValue("DESCRIPTION", "Year " + std::to_string(group));
}

template <class MakeOne>
void SeedDescriptions(const Texts& descriptions, MakeOne makeOne) {
    for (std::string_view description : descriptions)
        makeOne()->SetAttributeValue("DESCRIPTION", description);
}

void SeedCategories(CYear& year) {
    SeedDescriptions({"Key Vocabulary", "Lesson Objective", "Main Objectives", "Mental Oral Starter",
                      "Phonics, Spelling, Vocabulary and Grammar", "Resources", "Shared Reading",
                      "Shared Writing", "Shared Reading & Writing"},
                     [&] { return year.NewObjectiveCategory(); });
    SeedDescriptions({"Differentiation", "Extension", "Guided Reading", "Higher Ability",
                      "Introduction", "Lower Ability", "Main Activity", "Middle Ability",
                      "Observational Experiment", "Plenary"},
                     [&] { return year.NewActivityCategory(); });
    SeedDescriptions({"Absent From Lesson", "Areas Of Difficulty", "Disrupting Others",
                      "Excessive Talking", "Good Interaction", "Interrupting",
                      "Negative Behaviour", "Non-attentive", "Off Task", "Positive Behaviour",
                      "SEN Support", "Work Incomplete"},
                     [&] { return year.NewNoteCategory(); });
}

const std::vector<Scale>& WordedScales() {
    static const std::vector<Scale> scales = {
        {"Can/Can't",
         {{"Can't", "0.00"}, {"Finds It Difficult To", "0.15"}, {"Can With Support", "0.20"},
          {"Occasionally Can", "0.25"}, {"Sometimes Can", "0.50"}, {"Usually Can", "0.75"},
          {"Can", "1.00"}}},
        {"Knows/Does't Know",
         {{"Doesn't Know", "0.00"}, {"Occasionally Knows", "0.25"}, {"Sometimes Knows", "0.50"},
          {"Usually Knows", "0.75"}, {"Knows", "1.00"}}},
        {"Is Able/Unable",
         {{"Is unable", "0.00"}, {"Is Able With Support", "0.20"}, {"Is Occasionally Able", "0.25"},
          {"Sometimes Is Able", "0.50"}, {"Usually Is Able", "0.75"}, {"Is Able", "1.00"}}},
        {"Is Accurate/Inaccurate",
         {{"Is Inaccurate", "0.00"}, {"With Help, Is Accurate", "0.20"},
          {"Is Occasionally Accurate", "0.25"}, {"Is Sometimes Accurate", "0.50"},
          {"Is Usually Accurate", "0.75"}, {"Is Accurate", "1.00"}}},
        {"Recognises/Doesn't Recognise",
         {{"Doesn't Recognise", "0.00"}, {"Is Beginning To Recognise", "0.30"},
          {"Sometimes Recognises", "0.50"}, {"Generally Recognises", "0.70"},
          {"Recognises", "1.00"}}},
        {"Understands/Doesn't Understand",
         {{"Doesn't Understand", "0.00"}, {"Occasionally Understands", "0.25"},
          {"Is Beginning to Understand", "0.30"}, {"Sometimes Understands", "0.50"},
          {"Usually Understands", "0.75"}, {"Understands", "1.00"}}},
    };
    return scales;
}

void AddCapability(CAptitude& aptitude, std::string_view description, std::string_view score) {
    CCapability* capability = aptitude.NewCapability();
    capability->SetAttributeValue("DESCRIPTION", description);
    capability->SetAttributeValue("SCORE", score);
}

CAptitude& AddAptitude(CYear& year, std::string_view description) {
    CAptitude* aptitude = year.NewAptitude();
    aptitude->SetAttributeValue("DESCRIPTION", description);
    return *aptitude;
}

void SeedAptitudes(CYear& year) {
    for (const Scale& scale : WordedScales()) {
        CAptitude& aptitude = AddAptitude(year, scale.aptitude);
        for (const CapabilityStep& step : scale.steps)
            AddCapability(aptitude, step.description, step.score);
    }
    constexpr int kTenths = 10;
    CAptitude& outOfTen = AddAptitude(year, "Scored Out Of 10");
    for (int n = 0; n <= kTenths; ++n)
        AddCapability(outOfTen, "Scored " + std::to_string(n) + "/10", Hundredths(n * 10));
    constexpr int kPercentStep = 5;
    constexpr int kFullMarks = 100;
    CAptitude& inTest = AddAptitude(year, "Scored In Test");
    for (int n = 0; n <= kFullMarks; n += kPercentStep)
        AddCapability(inTest, "Scored " + std::to_string(n) + "%", Hundredths(n));
}

const std::vector<CurriculumSeed>& Curricula() {
    static const std::vector<CurriculumSeed> curricula = {
        {"English", {"Speaking and Listening", "Reading", "Writing"}},
        {"Maths",
         {"Using & Applying Mathematics", "Number & Algebra", "Shape, Space & Measures",
          "Handling Data"}},
        {"Science",
         {"Scientific Enquiry", "Life Processes & Living Things", "Materials & Their Properties",
          "Physical Processes"}},
        {"Design & Technology", {}},
        {"Information & Communication Technology", {}},
        {"History", {}},
        {"Geography", {}},
        {"Modern Foreign Languages",
         {"Listening & Responding", "Speaking", "Reading & Responding", "Writing"}},
        {"Art & Design", {}},
        {"Music", {}},
        {"Physical Education", {}},
    };
    return curricula;
}

void SeedCurriculum(CYear& year, const CurriculumSeed& seed) {
    static const Texts levels = {"Level 1", "Level 2", "Level 3", "Level 4", "Level 5",
                                 "Level 6", "Level 7", "Level 8", "Exceptional Performance"};
    static const Texts sets = {"Gifted & Talented", "Top Set", "Middle Set", "Bottom Set", "SEN"};

    CCurriculum* curriculum = year.NewCurriculum();
    curriculum->SetAttributeValue("DESCRIPTION", seed.description);
    const Texts attainments = seed.attainments.empty() ? Texts{""} : seed.attainments;
    std::vector<CAttainment*> made;
    for (std::string_view description : attainments) {
        made.push_back(curriculum->NewAttainment());
        made.back()->SetAttributeValue("DESCRIPTION", description);
    }
    for (CAttainment* attainment : made)
        SeedDescriptions(levels, [&] { return attainment->NewCurriculumLevel(); });

    CSubject* subject = year.NewSubject();
    subject->SetAttributeValue("DESCRIPTION", seed.description);
    SeedDescriptions(sets, [&] { return subject->NewSet(); });
}

void AddPresets(CYear& year, const CorePresets& presets) {
    CStored* subject = year.FindInAssociation("SUBJECTS", presets.subject);
    if (!subject) return;
    subject->SetAttributeValue("CORE_SUBJECT", "TRUE");
    for (std::string_view name : presets.objectives)
        subject->AddToAssociation("PRESET_OBJECTIVES",
                                  year.FindInAssociation("OBJECTIVE_CATEGORIES", name));
    for (std::string_view name : presets.activities)
        subject->AddToAssociation("PRESET_ACTIVITIES",
                                  year.FindInAssociation("ACTIVITY_CATEGORIES", name));
}

void SeedCoreSubjects(CYear& year) {
    const std::vector<CorePresets> core = {
        {"English",
         {"Main Objectives", "Shared Reading & Writing", "Phonics, Spelling, Vocabulary and Grammar"},
         {"Higher Ability", "Middle Ability", "Lower Ability", "Plenary"}},
        {"Maths",
         {"Mental Oral Starter", "Main Objectives", "Key Vocabulary", "Resources"},
         {"Introduction", "Higher Ability", "Middle Ability", "Lower Ability", "Plenary"}},
        {"Science",
         {"Main Objectives", "Key Vocabulary", "Resources"},
         {"Introduction", "Higher Ability", "Middle Ability", "Lower Ability", "Plenary"}},
    };
    for (const CorePresets& presets : core) AddPresets(year, presets);
}

}  // namespace

void SeedDataStore(CYear& year) {
    SeedTeachingDays(year);
    SeedGenders(year);
    SeedDurations(year);
    SeedForms(year);
    SeedCategories(year);
    SeedAptitudes(year);
    for (const CurriculumSeed& curriculum : Curricula()) SeedCurriculum(year, curriculum);
    SeedCoreSubjects(year);
}

}  // namespace vantaro
