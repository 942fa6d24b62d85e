#include <gtest/gtest.h>

#include <string>

#include "domain/ReportMerge.h"

namespace vantaro::test {
namespace {

const PupilWords kTom{"Tom", "he", "his"};

// Four drops of one achievement into an empty report: the name, then the pronoun joined, then a
// new sentence once the joined one is long, then the name again once the pronoun leads.
TEST(ReportMergeTest, RepeatedDropsAlternateNameAndPronounAndJoinShortSentences) {
    const char* expected[] = {
        "Tom can add up.",
        "Tom can add up, and he can add up.",
        "Tom can add up, and he can add up. He can add up.",
        "Tom can add up, and he can add up. He can add up, and Tom can add up.",
    };
    std::string report;
    for (const char* step : expected) {
        report = MergeReportSentence(report, "<PUPIL> can add up", kTom);
        EXPECT_EQ(report, step);
    }
}

TEST(ReportMergeTest, SentenceRules) {
    struct Case {
        const char* name;
        const char* text;
        const char* sentence;
        const char* merged;
    };
    const Case cases[] = {
        {"a long last sentence starts a new one with a capital", "Tom has worked well in every lesson this term.",
         "<PUPIL> can add up", "Tom has worked well in every lesson this term. He can add up."},
        {"the possessive placeholder", "", "<PUPIL'S> work is neat", "His work is neat."},
        {"a question keeps its mark", "", "Can <PUPIL> add up?", "Can Tom add up?"},
        {"the existing text gets its capital and full stop", "tom reads well", "<PUPIL> can add up",
         "Tom reads well, and he can add up."},
        {"a text without sentence marks counts its blanks whole", "tom has worked well in every lesson this term",
         "<PUPIL> can add up", "Tom has worked well in every lesson this term. He can add up."},
        {"a name followed by a full stop is not counted", "Well done Tom.", "<PUPIL> can add up",
         "Well done Tom, and Tom can add up."},
        {"an empty sentence changes nothing", "Tom reads well.", "  ", "Tom reads well."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MergeReportSentence(c.text, c.sentence, kTom), c.merged);
    }
}

}  // namespace
}  // namespace vantaro::test
