#pragma once

#include <string>
#include <vector>

#include "store/SeededRandom.h"

namespace vantaro::bench {

// The words a generated school year is written in: names, lesson texts, notes and reports.
// Texts are plain (typed) text; the generator converts them to stored form.
struct Pronouns {
    std::string subject;     // she, he
    std::string possessive;  // her, his
};

const std::vector<std::string>& GirlNames();
const std::vector<std::string>& BoyNames();
const std::vector<std::string>& FamilyNames();

// A subject added beyond the seeded ones, with the seeded curriculum it is assessed against.
struct ExtraSubject {
    std::string description;
    std::string curriculum;
};
const std::vector<ExtraSubject>& ExtraSubjects();

std::string ObjectiveText(SeededRandom& random);
std::string ActivityText(SeededRandom& random);
std::string OutcomeText(SeededRandom& random);
std::string ResourceText(SeededRandom& random);
std::string StatementText(SeededRandom& random);
std::string LessonEvaluation(SeededRandom& random);
std::string LessonNoteText(SeededRandom& random, const std::string& firstName);
std::string PupilNoteText(SeededRandom& random, const std::string& firstName);
std::string AbsenceText(SeededRandom& random);
// A subject report of several paragraphs, about 600 to 1000 characters.
std::string SubjectReport(SeededRandom& random, const std::string& firstName,
                          const std::string& subject, const Pronouns& pronouns);
std::string TutorComment(SeededRandom& random, const std::string& firstName, const Pronouns& pronouns);

// A National Curriculum style grading: a level 1 to 8 and a sub-level, such as "4B".
std::string Grading(int level, SeededRandom& random);

}  // namespace vantaro::bench
