#include "domain/ReportMerge.h"

#include "routines/TextBasics.h"
#include "routines/Words.h"

namespace vantaro {
namespace {

constexpr int kLongSentenceBlanks = 7;

std::string WithCapital(std::string text) {
    if (!text.empty()) text.front() = UpperChar(text.front());
    return text;
}

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Whole-word occurrences, compared without case: a word followed by a comma or full stop does
// not count.
int WordCount(std::string_view text, std::string_view word) {
    if (word.empty()) return 0;
    const std::string padded = " " + LowerCase(text) + " ";
    return SubstringCount(padded, " " + LowerCase(word) + " ");
}

bool EndsSentence(std::string_view text) { return !text.empty() && (text.back() == '.' || text.back() == '?'); }

}  // namespace

std::string MergeReportSentence(std::string_view existing, std::string_view sentence, const PupilWords& pupil) {
    std::string addition = Trim(sentence);
    std::string text = Trim(existing);
    if (addition.empty()) return text;

    int blanks = kLongSentenceBlanks;
    if (!text.empty()) {
        // A text without a full stop or question mark is one sentence.
        const int sentences = SentenceCount(text);
        const std::string last = sentences == 0 ? text : Sentence(text, sentences - 1);
        blanks = CharCount(last, ' ');
    }
    text = WithCapital(text);
    if (text.empty() || text.back() != '.') text += '.';

    const std::string firstName = Trim(pupil.firstName);
    const std::string pronoun = Trim(pupil.pronoun);
    const int names = WordCount(text, firstName);
    const int pronouns = WordCount(text, pronoun);
    ReplaceAll(addition, kPupilPlaceholder, names == 0 || pronouns > names ? firstName : pronoun);
    ReplaceAll(addition, kPossessivePlaceholder, Trim(pupil.possessive));
    if (!EndsSentence(addition)) addition += '.';

    text.pop_back();
    std::string result =
        blanks < kLongSentenceBlanks ? text + ", and " + addition : text + ". " + WithCapital(addition);
    if (!result.empty() && result.front() == '.') result = WithCapital(Trim(std::string_view(result).substr(1)));
    return result;
}

}  // namespace vantaro
