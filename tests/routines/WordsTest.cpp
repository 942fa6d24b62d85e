#include "routines/Words.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "routines/IdentifierCaption.h"

namespace vantaro {
namespace {

struct WordCase {
    const char* name;
    std::string (*routine)(std::string_view);
    std::string text;
    std::string expected;
};

TEST(Words, OneArgumentRoutines) {
    const std::vector<WordCase> cases = {
        {"class", ClassWords, "CAttainmentTarget", "Attainment Target"},
        {"window class", ClassWords, "TFormMain", "Form Main"},
        {"class with digits", ClassWords, "CYear2Plan", "Year2 Plan"},
        {"one letter", ClassWords, "C", ""},
        {"empty class", ClassWords, "", ""},
        {"enum value", EnumWords, "gsInitialGrade", "Initial Grade"},
        {"underscores", UnderscoresToSpaces, "__CHOOSE__A|_PUPIL_ ", "CHOOSE A PUPIL"},
        {"capitalise", Capitalise, "  hELLO wORLD ", "Hello World"},
        {"capitalise Latin-1", Capitalise, "\xC9" "COLE", "\xC9" "cole"},
        {"caption", IdentifierCaption, "CHOOSE_A_DAY_TO_PLAN_FOR", "Choose A Day To Plan For"},
        {"caption OK", IdentifierCaption, "OK", "OK"},
        {"caption ok", IdentifierCaption, "ok", "Ok"},
        {"caption misspelt key", IdentifierCaption, "MEDIMUM_TERM_PLANS", "Medimum Term Plans"},
        {"separators", RemoveSeparators, " a_b c|d ", "abcd"},
        {"upper alphanumeric", UpperAlphanumeric, " ab-C1! ", "AB C1 "},
    };
    for (const WordCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.routine(c.text), c.expected);
    }
}

TEST(Words, EnumWordsByOrdinalAndReplaceSpaces) {
    constexpr std::array<std::string_view, 2> names{"rtAttainment", "rtLevelStatement"};
    EXPECT_EQ(EnumWords(names, 1), "Level Statement");
    EXPECT_EQ(EnumWords(names, 2), "");
    EXPECT_EQ(EnumWords(names, -1), "");
    EXPECT_EQ(ReplaceSpaces(" a b  c ", "_"), "a_b__c");
    EXPECT_EQ(ReplaceSpaces("a b", ""), "ab");
}

TEST(Words, SentencesCutAtStopsBeforeTheLastCharacter) {
    const std::string three = "One. Two? Three.";
    EXPECT_EQ(SentenceCount(three), 3);
    const std::vector<std::pair<int, std::string>> cases = {{0, "One"}, {1, "Two"}, {2, "Three."}, {3, ""}, {-1, ""}};
    for (const auto& [index, sentence] : cases) {
        SCOPED_TRACE(index);
        EXPECT_EQ(Sentence(three, index), sentence);
    }
    EXPECT_EQ(Sentence("No stop at all ", 0), "No stop at all");
    EXPECT_EQ(Sentence("Ends here.", 0), "Ends here.");
    EXPECT_EQ(Sentence(" A", 0), "A");
    EXPECT_EQ(Sentence(".", 0), ".");
}

TEST(Words, Counts) {
    EXPECT_EQ(CharCount("a,b,c", ','), 2);
    EXPECT_EQ(CharCount("", ','), 0);
    EXPECT_EQ(SubstringCount("abab", "ab"), 2);
    EXPECT_EQ(SubstringCount("aaa", "aa"), 2);
    EXPECT_EQ(SubstringCount("x", ""), 0);
    EXPECT_EQ(SubstringCount("a", "ab"), 0);
}

}  // namespace
}  // namespace vantaro
