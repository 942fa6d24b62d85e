#include "lha/StoreText.h"

#include <iterator>
#include <random>
#include <string_view>
#include <vector>

namespace vantaro::bench {
namespace {

constexpr std::string_view kForenames[] = {
    "Amelia", "Oliver", "Isla", "Jack", "Poppy", "Harry", "Ava", "Charlie", "Mia", "Thomas",
    "Emily", "George", "Sophie", "Oscar", "Lily", "James", "Grace", "William", "Ella", "Noah",
    "Evie", "Alfie", "Ruby", "Joshua", "Freya", "Jacob", "Chloe", "Leo", "Jessica", "Ethan",
    "Daisy", "Henry", "Phoebe", "Max", "Lucy", "Archie", "Holly", "Samuel", "Zo\xEB", "Dylan"};
constexpr std::string_view kSurnames[] = {
    "Smith", "Jones", "Taylor", "Brown", "Williams", "Wilson", "Johnson", "Davies", "Robinson",
    "Wright", "Thompson", "Evans", "Walker", "White", "Roberts", "Green", "Hall", "Wood", "Jackson",
    "Clarke", "Patel", "Khan", "Lewis", "James", "Phillips", "Mason", "Mitchell", "Rose", "Davis",
    "O'Brien"};
constexpr std::string_view kWords[] = {
    "the", "pupils", "will", "be", "able", "to", "and", "of", "a", "in", "with", "their", "work",
    "number", "reading", "writing", "understand", "use", "simple", "sentences", "shows", "good",
    "progress", "this", "term", "has", "made", "needs", "support", "when", "working", "on", "own",
    "group", "class", "discussion", "listen", "carefully", "explain", "ideas", "clearly", "count",
    "forwards", "backwards", "add", "subtract", "multiply", "divide", "fractions", "shapes",
    "measure", "length", "weight", "capacity", "time", "money", "patterns", "investigate",
    "materials", "plants", "animals", "habitats", "forces", "light", "sound", "electricity",
    "history", "geography", "maps", "Romans", "Victorians", "Tudors", "rivers", "mountains",
    "weather", "music", "rhythm", "art", "drawing", "painting", "clay", "design", "technology",
    "computers", "spelling", "handwriting", "phonics", "letters", "sounds", "words", "story",
    "poems", "characters", "setting", "plot", "punctuation", "capital", "full", "stops", "should",
    "try", "harder", "concentrate", "homework", "confident", "enthusiastic", "polite", "helpful",
    "behaviour", "excellent", "well", "done", "keep", "it", "up", "next", "year", "activity",
    "worksheet", "practical", "resources", "assessment"};
constexpr std::string_view kSubjects[] = {
    "English", "Mathematics", "Science", "History", "Geography", "Art", "Music", "Design And Technology",
    "Information Technology", "Physical Education", "Religious Education", "Personal And Social Education"};


struct Property {
    char kind;  // A attribute, R relation, S aggregate association, L plain association
    std::string_view name;
    std::string_view format;
};
struct ClassTemplate {
    std::string_view name;
    Property properties[14];
};

// The busier classes first: Object() picks early entries more often.
constexpr ClassTemplate kClasses[] = {
    {"CAchievement", {{'R', "PUPIL", ""}, {'R', "STATEMENT", ""}, {'A', "DATE", "DATE"}, {'A', "SCORE", "NUMBER"}, {'A', "SCALE_VALUE", "VALUE"}, {'A', "COMMENT", "LINE"}}},
    {"CAttainmentTarget", {{'R', "PUPIL", ""}, {'R', "ATTAINMENT", ""}, {'A', "INITIAL_GRADE", "VALUE"}, {'A', "TARGET_GRADE", "VALUE"}, {'A', "FINAL_GRADE", "VALUE"}, {'A', "DATE_SET", "DATE"}, {'A', "DATE_ACHIEVED", "DATE"}}},
    {"CLessonPlan", {{'R', "SUBJECT", ""}, {'R', "DAY", ""}, {'R', "TEACHING_SET", ""}, {'A', "TITLE", "LINE"}, {'A', "START_TIME", "TIME"}, {'A', "DURATION", "NUMBER"}, {'A', "OBJECTIVES", "STRING"}, {'A', "ACTIVITIES", "STRING"}, {'A', "RESOURCES", "STRING"}, {'A', "OUTCOMES", "STRING"}, {'A', "EVALUATION", "STRING"}, {'S', "OBJECTIVE_LINKS", ""}, {'L', "STATEMENTS", ""}, {'A', "INCLUDE_IN_LESSON_PLANING", "BOOLEAN"}}},
    {"CNote", {{'A', "DATE", "DATE"}, {'A', "DESCRIPTION", "STRING"}, {'R', "LESSON_PLAN", ""}, {'R', "NOTE_CATEGORY", ""}}},
    {"CAbsence", {{'R', "PUPIL", ""}, {'A', "DATE", "DATE"}, {'A', "SESSION", "CODE"}, {'A', "AUTHORISED", "BOOLEAN"}, {'A', "REASON", "LINE"}}},
    {"CSubjectReport", {{'R', "PUPIL", ""}, {'R', "SUBJECT", ""}, {'A', "COMMENT", "STRING"}, {'A', "EFFORT", "CODE"}, {'A', "ATTAINMENT", "VALUE"}, {'A', "TARGETS", "STRING"}}},
    {"CPupil", {{'A', "FORENAME", "NAME"}, {'A', "SURNAME", "SURNAME"}, {'A', "PREFERRED_NAME", "NAME"}, {'A', "DATE_OF_BIRTH", "DATE"}, {'A', "GENDER", "GENDER"}, {'A', "UPN", "UPN"}, {'A', "ADDRESS", "LINE"}, {'A', "MEDICAL", "LINE"}, {'A', "SEN_STAGE", "CODE"}, {'S', "ASSESSMENTS", ""}, {'S', "NOTES", ""}, {'L', "SETS", ""}, {'S', "REPORTS", ""}, {'S', "ABSENCES", ""}}},
    {"CDay", {{'A', "DATE", "DATE"}, {'A', "TEACHING_DAY", "BOOLEAN"}, {'A', "DESCRIPTION", "LINE"}, {'L', "LESSON_PLANS", ""}, {'S', "NOTES", ""}}},
    {"CStatement", {{'A', "CODE", "CODE"}, {'A', "DESCRIPTION", "STRING"}, {'A', "LEVEL", "NUMBER"}, {'L', "ACHIEVEMENTS", ""}}},
    {"CMediumTermPlan", {{'R', "SUBJECT", ""}, {'R', "TERM", ""}, {'A', "TITLE", "LINE"}, {'A', "AIMS", "STRING"}, {'A', "CONTENT", "STRING"}, {'A', "ASSESSMENT_OPPORTUNITIES", "STRING"}, {'S', "LESSON_PLANS", ""}}},
    {"CObjective", {{'A', "DESCRIPTION", "STRING"}, {'A', "ORDER", "NUMBER"}, {'L', "STATEMENTS", ""}}},
    {"CActivity", {{'A', "DESCRIPTION", "STRING"}, {'A', "DURATION", "NUMBER"}, {'A', "GROUPING", "CODE"}, {'R', "RESOURCE", ""}}},
    {"CPupilReport", {{'R', "PUPIL", ""}, {'A', "GENERAL_COMMENT", "STRING"}, {'A', "ATTENDANCE", "PERCENT"}, {'A', "DATE_PRINTED", "DATE"}, {'S', "SUBJECT_REPORTS", ""}}},
    {"CTeachingSet", {{'A', "NAME", "LINE"}, {'R', "SUBJECT", ""}, {'R', "TEACHER", ""}, {'L', "PUPILS", ""}}},
    {"CWeek", {{'A', "START_DATE", "DATE"}, {'A', "NUMBER", "NUMBER"}, {'S', "DAYS", ""}}},
    {"CStaff", {{'A', "FORENAME", "NAME"}, {'A', "SURNAME", "SURNAME"}, {'A', "TITLE", "CODE"}, {'A', "INITIALS", "CODE"}, {'L', "SETS", ""}}},
    {"CSubject", {{'A', "NAME", "SUBJECT"}, {'A', "COLOUR", "NUMBER"}, {'S', "SETS", ""}, {'S', "LONG_TERM_PLANS", ""}}},
    {"CTerm", {{'A', "DESCRIPTION", "LINE"}, {'A', "START_DATE", "DATE"}, {'A', "END_DATE", "DATE"}, {'S', "WEEKS", ""}}},
};

class Writer {
public:
    explicit Writer(std::uint32_t seed) : random_(seed) {}

    std::string Take() { return std::move(text_); }
    std::size_t Size() const { return text_.size(); }

    void Header() {
        Line(std::string("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"yes\"?>").append(10, ' '));
        Line(std::string(70, ' '));
        Line(std::string("<!--").append(66, ' '));
        Line(std::string("  Data store written by the school year planner").append(23, ' '));
        Line("  DO NOT MANUALY EDIT THIS FILE AS IT WILL CORRUPT YOUR DATASTORE     ");
        Line(std::string("-->").append(67, ' '));
        Line(std::string(70, ' '));
        Line("<OBJECT_STORE APPLICATION=\"Vantaro\" VERSION=\"1.12\" ROOT_OBJECT_ID=\"1\" ENCRYPTION=\"FALSE\">");
        Line("");
        Line("<HIDE_DATA></HIDE_DATA>");
        Line("");
    }

    void Object() {
        const std::size_t kind = Skewed(std::size(kClasses));
        const ClassTemplate& type = kClasses[kind];
        Open(type.name);
        for (const Property& property : type.properties) {
            if (property.name.empty()) break;
            switch (property.kind) {
                case 'A': Attribute(property.name, property.format, Value(property.format)); break;
                case 'R': Relation(property.name, Pick(4) ? std::to_string(NearId()) : std::string()); break;
                case 'S': Association(property.name, true, IdList(Pick(5))); break;
                case 'L': Association(property.name, false, IdList(Pick(3))); break;
            }
        }
        Close();
    }

private:
    std::size_t Pick(std::size_t n) { return random_() % n; }
    // Zipf-like choice: small indices far more often.
    std::size_t Skewed(std::size_t n) {
        const double u = std::uniform_real_distribution<double>(0.0, 1.0)(random_);
        return static_cast<std::size_t>(u * u * u * static_cast<double>(n)) % n;
    }
    std::string Date() { return std::to_string(39000 + Pick(365)); }
    std::string Sentence(std::size_t words) {
        std::string text;
        for (std::size_t i = 0; i < words; ++i) {
            if (i) text += ' ';
            text += kWords[Skewed(std::size(kWords))];
        }
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        return text + ".";
    }
    std::string Paragraph(std::size_t sentences) {
        std::string text;
        for (std::size_t i = 0; i < sentences; ++i) {
            if (i) text += ' ';
            text += Sentence(4 + Pick(12));
        }
        return text;
    }
    // References mostly point at objects written shortly before.
    int NearId() {
        const int back = 1 + static_cast<int>(Skewed(2000));
        return nextId_ > back ? nextId_ - back : 1;
    }
    std::string Value(std::string_view format) {
        if (format == "DATE") return Pick(6) ? Date() : "-2";
        if (format == "TIME") return std::to_string(8 + Pick(8)) + ":" + (Pick(2) ? "00" : "30");
        if (format == "NUMBER") return std::to_string(Pick(120));
        if (format == "PERCENT") return std::to_string(80 + Pick(21)) + "%";
        if (format == "BOOLEAN") return Pick(3) ? "TRUE" : "FALSE";
        if (format == "VALUE") return std::to_string(1 + Pick(8)) + static_cast<char>('a' + Pick(3));
        if (format == "CODE") return std::string(1, static_cast<char>('A' + Pick(6))) + std::to_string(Pick(10));
        if (format == "NAME") return std::string(kForenames[Pick(std::size(kForenames))]);
        if (format == "SURNAME") return std::string(kSurnames[Pick(std::size(kSurnames))]);
        if (format == "GENDER") return Pick(2) ? "MALE" : "FEMALE";
        if (format == "UPN") return std::string(1, 'H').append(std::to_string(100000000 + Pick(900000000)));
        if (format == "SUBJECT") return std::string(kSubjects[Pick(std::size(kSubjects))]);
        if (format == "LINE") return Pick(3) ? Sentence(2 + Pick(6)) : std::string();
        return Pick(5) ? Paragraph(1 + Pick(4)) : std::string();
    }
    std::string IdList(std::size_t count) {
        std::string list;
        for (std::size_t i = 0; i < count; ++i) list += std::to_string(NearId()) + ",";
        return list;
    }

    void Line(const std::string& line) { text_ += line + "\r\n"; }
    void Open(std::string_view className) {
        Line("<OBJECT ID=\"" + std::to_string(nextId_++) + "\" CLASS=\"" + std::string(className) + "\">");
        Relation("PARENT", std::to_string(NearId()));
    }
    void Close() {
        Line("</OBJECT>");
        Line("");
    }
    void Attribute(std::string_view name, std::string_view format, const std::string& value) {
        Line("  <ATTRIBUTE NAME=\"" + std::string(name) + "\" FORMAT=\"" + std::string(format) + "\">" + value +
             "</ATTRIBUTE>");
    }
    void Relation(std::string_view name, const std::string& id) {
        Line("  <RELATION AGGREGATE=\"FALSE\" NAME=\"" + std::string(name) + "\">" + id + "</RELATION>");
    }
    void Association(std::string_view name, bool aggregate, const std::string& ids) {
        Line("  <ASSOCATION AGGREGATE=\"" + std::string(aggregate ? "TRUE" : "FALSE") + "\" NAME=\"" +
             std::string(name) + "\">" + ids + "</ASSOCATION>");
    }

    std::mt19937 random_;
    std::string text_;
    int nextId_ = 1;
};

}  // namespace

std::string MakeStoreText(std::size_t size, std::uint32_t seed) {
    Writer writer(seed);
    writer.Header();
    while (writer.Size() < size) writer.Object();
    std::string text = writer.Take();
    text.resize(size);
    return text;
}

}  // namespace vantaro::bench
