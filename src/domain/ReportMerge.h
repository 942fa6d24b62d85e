#pragma once

#include <string>
#include <string_view>

namespace vantaro {

// The words that stand for a pupil in a report: the first name, the pronoun ("he") and the
// possessive ("his").
struct PupilWords {
    std::string firstName;
    std::string pronoun;
    std::string possessive;
};

// The placeholders a report sentence names the pupil by, as typed (stored texts hold them
// escaped).
inline constexpr std::string_view kPupilPlaceholder = "<PUPIL>";
inline constexpr std::string_view kPossessivePlaceholder = "<PUPIL'S>";

// Adds a sentence to a report text. The pupil placeholder becomes the first name while the name
// has not been written yet or the pronoun has been written more often, else the pronoun; the
// possessive placeholder becomes the possessive. A sentence joins the last one with ", and "
// while that one has fewer than seven blanks, and starts a new sentence otherwise. An empty
// sentence leaves the text as it is.
//   MergeReportSentence("", "<PUPIL> can add up", {"Tom", "he", "his"}) == "Tom can add up."
std::string MergeReportSentence(std::string_view text, std::string_view sentence, const PupilWords& pupil);

}  // namespace vantaro
