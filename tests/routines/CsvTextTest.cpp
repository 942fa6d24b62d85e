#include <gtest/gtest.h>

#include <fstream>

#include "routines/CsvText.h"
#include "routines/Errors.h"
#include "support/TempDir.h"

namespace vantaro {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvTextTest, FieldsAreSplitAtCommasOutsideQuotesAndTrimmed) {
    const struct {
        const char* line;
        Fields fields;
    } cases[] = {
        {"Ann,B, Smith ,F", {"Ann", "B", "Smith", "F"}},
        {"\"Smith, Jr\",Ann", {"Smith, Jr", "Ann"}},
        {" \"Say \"\"hi\"\"\" ,x", {"Say \"hi\"", "x"}},
        {"O\"Brien,Pat", {"O\"Brien", "Pat"}},  // a quote inside a name is a letter
        {"a,,", {"a", "", ""}},
        {"", {""}},
    };
    for (const auto& c : cases) EXPECT_EQ(SplitCsvFields(c.line), c.fields) << c.line;
}

TEST(CsvTextTest, Utf8WithAMarkBecomesLatin1AndAnyLineEndEndsALine) {
    // "Zoë" in UTF-8, a line that Latin-1 cannot hold (Cyrillic), then CR, LF and CR LF ends.
    const TextFileLines text = DecodeTextLines("\xEF\xBB\xBFZo\xC3\xAB\r\xD0\x96" "ana\nB\r\nC");
    EXPECT_EQ(text.lines, (Fields{"Zo\xEB", "?ana", "B", "C"}));
    EXPECT_EQ(text.replacedCharacterLines, (std::vector<int>{2}));

    const TextFileLines latin1 = DecodeTextLines("Zo\xEB\nJos\xE9");  // not UTF-8: read as it is
    EXPECT_EQ(latin1.lines, (Fields{"Zo\xEB", "Jos\xE9"}));
    EXPECT_TRUE(latin1.replacedCharacterLines.empty());
}

TEST(CsvTextTest, AMissingFileSaysWhich) {
    test::TempDir folder;
    const std::string path = (folder.path() / "pupils.csv").string();
    try {
        ReadTextFileLines(path);
        FAIL() << "no error";
    } catch (const EInOutError& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
    }
    std::ofstream(path) << "Ann,Smith\n";
    EXPECT_EQ(ReadTextFileLines(path).lines, (Fields{"Ann,Smith"}));
}

}  // namespace
}  // namespace vantaro
