#include "lha/MemberNames.h"

#include <algorithm>

#include "routines/TextBasics.h"

namespace vantaro::lha {
namespace {

constexpr unsigned char kFirstPrintable = 0x20;

bool SameLetter(char a, char b) { return UpperChar(a) == UpperChar(b); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Splits at the last separator: the directory part keeps it.
std::pair<std::string_view, std::string_view> SplitName(std::string_view name) {
    const auto last = std::find_if(name.rbegin(), name.rend(), IsSeparator);
    const auto split = static_cast<std::size_t>(name.rend() - last);
    return {name.substr(0, split), name.substr(split)};
}

bool SameDirectory(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (IsSeparator(x) && IsSeparator(y)) || SameLetter(x, y);
           });
}

}  // namespace

// Greedy matching that remembers only the last '*': linear in practice, never exponential.
bool WildcardMatch(std::string_view pattern, std::string_view text) {
    std::size_t p = 0, t = 0;
    std::size_t starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || (pattern[p] != '*' && SameLetter(pattern[p], text[t])))) {
            ++p;
            ++t;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starT = t;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            t = ++starT;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool MemberSelected(std::string_view memberName, const std::vector<std::string>& entries) {
    const auto member = SplitName(memberName);
    return std::any_of(entries.begin(), entries.end(), [&](const std::string& entry) {
        const auto [directory, file] = SplitName(entry);
        return SameDirectory(directory, member.first) && WildcardMatch(file, member.second);
    });
}

std::string PlainFileName(std::string_view memberName) {
    const auto last = std::find_if(memberName.rbegin(), memberName.rend(),
                                   [](char c) { return IsSeparator(c) || c == ':'; });
    const std::string_view plain = memberName.substr(static_cast<std::size_t>(memberName.rend() - last));
    const bool control = std::any_of(plain.begin(), plain.end(), [](char c) {
        return static_cast<unsigned char>(c) < kFirstPrintable;
    });
    if (plain.empty() || plain == "." || plain == ".." || control) return {};
    return std::string(plain);
}

}  // namespace vantaro::lha
