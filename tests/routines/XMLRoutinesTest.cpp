#include "routines/XMLRoutines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantaro {
namespace {

const std::string kDateLine = R"(<ATTRIBUTE NAME="DATE" FORMAT="DATE">-2</ATTRIBUTE>)";
const std::string kObjectLine = R"(<OBJECT ID="-7" CLASS="CNote">)";

struct TagCase {
    const char* name;
    std::string line;
    std::string tagName;
    std::string attributes;
    std::string content;
};

TEST(TagParts, SplitLinesAtFirstMarkers) {
    const std::vector<TagCase> cases = {
        {"attribute line", kDateLine, "ATTRIBUTE", R"(NAME="DATE" FORMAT="DATE")", "-2"},
        {"object opening", kObjectLine, "OBJECT", R"(ID="-7" CLASS="CNote")", ""},
        {"no space before >", "<HIDE_DATA>1,2 3</HIDE_DATA>", "HIDE_DATA", "", "1,2 3"},
        {"closing line", "</OBJECT>", "/OBJECT", "", ""},
        {"space only in content", "<A>x y</A>", "A", "", "x y"},
        {"no closing tag", R"(<A B="1">text)", "A", R"(B="1")", ""},
        {"no > at all", "<A B", "A", "", ""},
        {"no markers", "plain", "", "", ""},
        {"empty", "", "", "", ""},
        {"leading space", R"( <A B="1">c</A>)", "", R"(<A B="1")", "c"},
        {"closing before >", "</X> y>", "/X", "", ""},
    };
    for (const TagCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TagName(c.line), c.tagName);
        EXPECT_EQ(TagAttributes(c.line), c.attributes);
        EXPECT_EQ(TagContent(c.line), c.content);
    }
}

TEST(TagParts, ReplaceTagContentKeepsTagsAndHandlesMissingMarkers) {
    EXPECT_EQ(ReplaceTagContent(kDateLine, "20070315"),
              R"(<ATTRIBUTE NAME="DATE" FORMAT="DATE">20070315</ATTRIBUTE>)");
    EXPECT_EQ(ReplaceTagContent("<A></A>", "x"), "<A>x</A>");
    EXPECT_EQ(ReplaceTagContent("no tag", "x"), "no tag");
    EXPECT_EQ(ReplaceTagContent("<A>old", "new"), "<A>new");
}

TEST(Attributes, ItemsAreCountedByEqualsSigns) {
    EXPECT_EQ(AttributeItemCount(kDateLine), 3);
    EXPECT_EQ(AttributeItem(kDateLine, 0), R"( NAME="DATE")");
    EXPECT_EQ(AttributeItem(kDateLine, 1), R"( FORMAT="DATE")");
    EXPECT_EQ(AttributeItem(kDateLine, 2), "");
    EXPECT_EQ(AttributeItem(kDateLine, -1), "");
    EXPECT_EQ(AttributeItem(R"(ID="5" CLASS="CYear")", 0), R"(ID="5")");
    EXPECT_EQ(AttributeItem(R"(ID="5")", 0), R"(ID="5")");
    EXPECT_EQ(AttributeItem("a=b=c", 1), "a=b=c");
    EXPECT_EQ(AttributeItemCount(""), 1);
}

TEST(Attributes, NamesAndValuesOfItems) {
    EXPECT_EQ(AttributeItemName(R"( NAME="DATE")"), "NAME");
    EXPECT_EQ(AttributeItemName("NAME"), "");
    EXPECT_EQ(AttributeValue(R"( NAME="DATE")"), "DATE");
    EXPECT_EQ(AttributeValue(R"( NAME="")"), "");
    EXPECT_EQ(AttributeValue(""), "");
    EXPECT_EQ(AttributeValue("\""), "");
}

TEST(Attributes, FindAttributeTakesFirstExactName) {
    EXPECT_EQ(AttributeValue(FindAttribute(kDateLine, "FORMAT")), "DATE");
    EXPECT_EQ(AttributeValue(FindAttribute(TagAttributes(kObjectLine), "ID")), "-7");
    EXPECT_EQ(AttributeValue(FindAttribute(kObjectLine, "CLASS")), "CNote");
    EXPECT_EQ(FindAttribute(kDateLine, "MAT"), "");
    EXPECT_EQ(FindAttribute(kDateLine, "missing"), "");
    EXPECT_EQ(AttributeValue(FindAttribute(R"(<A X="1" X="2">)", "X")), "1");
    // '=' in the content makes meaningless items after the real ones.
    EXPECT_EQ(AttributeValue(FindAttribute(R"(<A X="1">a=b</A>)", "X")), "1");
}

// FindAttribute walks the items in one pass; it must agree with asking for each item in turn.
TEST(Attributes, FindAttributeAgreesWithItemByItemSearch) {
    const std::vector<std::string> texts = {
        kDateLine, "a=b=c d=e", "  x = y=z>w=", "=", "==  ==", R"(<A  B="1"  C="2">D=3 E=4</A>)", "k=v>m=n o=p",
    };
    for (const std::string& text : texts) {
        for (const char* name : {"", "a", "d", "x", "y", "B", "C", "D", "E", "m", "o", "FORMAT", "NAME"}) {
            SCOPED_TRACE(text + " / " + name);
            std::string expected;
            for (int n = 0; n < AttributeItemCount(text); ++n) {
                if (AttributeItemName(AttributeItem(text, n)) == name) {
                    expected = AttributeItem(text, n);
                    break;
                }
            }
            EXPECT_EQ(FindAttribute(text, name), expected);
        }
    }
}

TEST(Attributes, ValueOfTwoWordsReadsBackAsFirstWord) {
    const std::string line = SetAttribute("<A>c</A>", "NAME", "two words");
    EXPECT_EQ(AttributeValue(FindAttribute(line, "NAME")), "two");
}

TEST(Attributes, HasAttributeNeedsSpaceNameEquals) {
    EXPECT_TRUE(HasAttribute(kDateLine, "FORMAT"));
    EXPECT_FALSE(HasAttribute(kDateLine, "ORMAT"));
    EXPECT_FALSE(HasAttribute("<A>FORMAT=</A>", "FORMAT"));
    EXPECT_FALSE(HasAttribute(" FORMAT", "FORMAT"));
}

TEST(Attributes, SetAttributeAddsBeforeFirstCloseOrReplacesLastMatch) {
    const std::string added = SetAttribute(R"(<RI_ERROR TYPE="ORPHAN"></RI_ERROR>)", "CLASS", "CPupil");
    EXPECT_EQ(added, R"(<RI_ERROR TYPE="ORPHAN" CLASS="CPupil"></RI_ERROR>)");
    EXPECT_EQ(SetAttribute(added, "TYPE", "LOOP"),
              R"(<RI_ERROR TYPE="LOOP" CLASS="CPupil"></RI_ERROR>)");
    EXPECT_EQ(SetAttribute(R"(<A X="1" X="2">)", "X", "9"), R"(<A X="1" X="9">)");
    // A plain-text match also hits the end of a longer name.
    EXPECT_EQ(SetAttribute(R"(<A MAXID="1">)", "ID", "2"), R"(<A MAXID="2">)");
    EXPECT_EQ(SetAttribute(R"(<A X="">)", "X", "v"), R"(<A X="v">)");
    EXPECT_EQ(SetAttribute(R"(<A X="1>)", "X", "2"), R"(<A X="1 X="2">)");
    EXPECT_EQ(SetAttribute("<A>", "X", "v"), R"(<A X="v">)");
    EXPECT_EQ(SetAttribute("", "X", "v"), R"( X="v")");
}

TEST(CommaLists, CountsAndItems) {
    EXPECT_EQ(ListCount(""), 0);
    EXPECT_EQ(ListCount("12"), 1);
    EXPECT_EQ(ListCount("12,15,"), 3);
    const std::vector<std::pair<int, std::string>> trailing = {{0, "12"}, {1, "15"}, {2, ""}, {3, ""}};
    for (const auto& [index, item] : trailing) {
        SCOPED_TRACE(index);
        EXPECT_EQ(ListItem("12,15,", index), item);
    }
    EXPECT_EQ(ListItem("12,15", 1), "15");
    EXPECT_EQ(ListItem("12,,15", 1), "");
    EXPECT_EQ(ListItem("12,,15", 2), "15");
    EXPECT_EQ(ListItem("", 0), "");
    EXPECT_EQ(ListItem("7", -1), "");
}

TEST(Escaping, EscapesMarkupCharactersAndPairsOnly) {
    EXPECT_EQ(EscapeText("a<b>&'\"\r\n\tz"), "a&lt;b&gt;&amp;&apos;&quot;&#13;&#10;&#09;z");
    EXPECT_EQ(EscapeText("one\ntwo\rthree"), "one\ntwo\rthree");
    EXPECT_EQ(EscapeText("\r\r\n\n"), "\r&#13;&#10;\n");
    EXPECT_EQ(EscapeText(""), "");
}

TEST(Escaping, UnescapeReadsFromTheRightAndLeavesUnknownEntities) {
    EXPECT_EQ(UnescapeText("&amp;amp;"), "&amp;");
    EXPECT_EQ(UnescapeText("&amp;#13;&#13;&#10;"), "&#13;\r\n");
    EXPECT_EQ(UnescapeText("&#13; &#10; &nbsp; &"), "&#13; &#10; &nbsp; &");
    EXPECT_EQ(UnescapeText("&lt;&gt;&apos;&quot;&#09;"), "<>'\"\t");
}

TEST(Escaping, RoundTripsEveryText) {
    const std::vector<std::string> texts = {
        "1 < 2 \r\n\tand done", "&amp;", "&#13;&#10;", "lone\nfeed", "lone\rreturn",
        "&&&;;", std::string("\0\xA3\xFF", 3), "&lt;&amp;lt;", "",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        const std::string escaped = EscapeText(text);
        EXPECT_EQ(escaped.find_first_of("<>\"\t"), std::string::npos);
        EXPECT_EQ(UnescapeText(escaped), text);
    }
}

TEST(BooleanText, OnlyTrueInAnyCase) {
    for (const char* text : {"TRUE", "true", "True", "tRUE"}) EXPECT_EQ(BooleanText(text), "TRUE") << text;
    for (const char* text : {"", "FALSE", "yes", "TRUE ", "1", "TRU"}) EXPECT_EQ(BooleanText(text), "FALSE") << text;
}

struct KeywordCase {
    const char* name;
    std::vector<std::string> keywords;
    std::string text;
    bool allRequired;
    bool caseSensitive;
    bool expected;
};

TEST(MatchKeywords, MatchesWholeWords) {
    const std::vector<KeywordCase> cases = {
        {"word before final stop", {"fractions"}, "We learnt Fractions.", false, false, true},
        {"only the start of a word", {"fraction"}, "We learnt Fractions.", false, false, false},
        {"case-sensitive miss", {"fractions"}, "Fractions", false, true, false},
        {"case-sensitive hit", {"Fractions"}, "(Fractions)", false, true, true},
        {"any of two", {"cats", "dogs"}, "dogs and mice", false, false, true},
        {"all of two, one missing", {"cats", "dogs"}, "dogs and mice", true, false, false},
        {"all of two, both there", {"mice", "dogs"}, "dogs and mice", true, false, true},
        {"last miss after a hit, all", {"dogs", "cats"}, "dogs", true, false, false},
        {"empty keywords skipped", {"", "  ", "dogs"}, "dogs", true, false, true},
        {"only empty keywords", {"", " "}, "dogs", false, false, false},
        {"no keywords", {}, "dogs", false, false, false},
        {"tab entity is a blank", {"b"}, "a&#09;b", false, false, true},
        {"line-break entities", {"b"}, "a&#13;&#10;b", false, false, true},
        {"pound sign is a blank", {"5"}, "cost \xA3" "5", false, false, true},
        {"keyword is trimmed", {" dogs "}, "hot-dogs", false, false, true},
        {"accented letters fold", {"\xE9" "cole"}, "\xC9" "COLE", false, false, true},
    };
    for (const KeywordCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MatchKeywords(c.keywords, c.text, c.allRequired, c.caseSensitive), c.expected);
    }
}

}  // namespace
}  // namespace vantaro
