#include "store/SampleTexts.h"

#include <cstddef>

namespace vantaro::bench {
namespace {

using Words = std::vector<std::string>;

// The text with every "{name}", "{he}", "{his}" and "{He}"/"{His}" replaced.
std::string Fill(std::string text, const std::string& name, const Pronouns& pronouns) {
    auto capital = [](std::string word) {
        if (!word.empty() && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 'a' + 'A');
        return word;
    };
    const std::pair<std::string, std::string> replacements[] = {
        {"{name}", name},
        {"{he}", pronouns.subject},
        {"{his}", pronouns.possessive},
        {"{He}", capital(pronouns.subject)},
        {"{His}", capital(pronouns.possessive)},
    };
    for (const auto& [marker, word] : replacements) {
        for (std::size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + word.size()))
            text.replace(at, marker.size(), word);
    }
    return text;
}

const Words& Topics() {
    static const Words topics = {
        "place value to a thousand", "equivalent fractions", "the water cycle", "persuasive writing",
        "the Roman invasion of Britain", "forces and motion", "rivers and their features",
        "instructions and procedures", "the life cycle of a plant", "two-dimensional shapes",
        "multiplication facts", "poetry with rhyme & rhythm", "the Victorians at work",
        "electrical circuits", "maps and grid references", "data in bar charts", "the solar system",
        "habitats & food chains", "writing a newspaper report", "time and timetables",
        "materials and their properties", "the Tudors", "sound and vibration", "dance sequences",
        "colour mixing", "simple melodies", "ball skills & teamwork", "spreadsheets",
        "greetings in French", "weather around the world", "decimals and money", "myths and legends",
        "light and shadows", "the human skeleton", "area and perimeter", "using a thesaurus",
        "settlements", "rocks & soils", "coding simple algorithms", "still life drawing",
        "symmetry", "capital letters and full stops", "ancient Egypt", "magnets", "mental addition",
        "writing a character profile", "the seasons", "healthy eating", "probability", "angles",
    };
    return topics;
}

const Words& ObjectiveVerbs() {
    static const Words verbs = {"To understand", "To explore", "To recognise", "To describe", "To compare",
                                "To explain", "To investigate", "To identify", "To use", "To apply",
                                "To practise", "To evaluate", "To plan", "To revise", "To present"};
    return verbs;
}

const Words& ActivityForms() {
    static const Words forms = {
        "Whole class discussion of", "Paired work on", "Group investigation into", "Worksheet on",
        "Mind map of", "Short quiz on", "Practical task exploring", "Guided reading about",
        "Role play around", "Independent writing about", "Card sort on", "Demonstration of",
        "Games reinforcing", "Research task on", "Presentation about",
    };
    return forms;
}

const Words& OutcomeVerbs() {
    static const Words verbs = {"Can explain", "Knows the key facts of", "Can apply what was learnt about",
                                "Recognises examples of", "Understands", "Can describe",
                                "Uses the vocabulary of", "Can work independently on", "Can compare",
                                "Can record findings about"};
    return verbs;
}

}  // namespace

const std::vector<std::string>& GirlNames() {
    static const Words names = {
        "Amelia", "Olivia", "Isla", "Emily", "Poppy", "Ava", "Isabella", "Jessica", "Lily", "Sophie",
        "Grace", "Sophia", "Mia", "Evie", "Ruby", "Ella", "Scarlett", "Chloe", "Isabelle", "Freya",
        "Charlotte", "Sienna", "Daisy", "Phoebe", "Millie", "Eva", "Alice", "Lucy", "Florence", "Sofia",
        "Layla", "Lola", "Holly", "Imogen", "Molly", "Matilda", "Lilly", "Rosie", "Elizabeth", "Erin",
        "Zo\xEB", "Ren\xE9" "e", "Niamh", "Aoife", "Megan", "Hannah", "Abigail", "Amber",
    };
    return names;
}

const std::vector<std::string>& BoyNames() {
    static const Words names = {
        "Harry", "Oliver", "Jack", "Charlie", "Jacob", "Thomas", "Alfie", "Riley", "William", "James",
        "Joshua", "George", "Ethan", "Noah", "Samuel", "Daniel", "Oscar", "Max", "Muhammad", "Leo",
        "Tyler", "Joseph", "Archie", "Henry", "Lucas", "Mohammed", "Alexander", "Dylan", "Logan",
        "Isaac", "Mason", "Benjamin", "Jake", "Finley", "Harrison", "Edward", "Freddie", "Adam",
        "Zachary", "Lewis", "Ciar\xE1n", "Rhys", "Owen", "Callum", "Connor", "Aaron", "Kieran", "Luke",
    };
    return names;
}

const std::vector<std::string>& FamilyNames() {
    static const Words names = {
        "Smith", "Jones", "Williams", "Taylor", "Brown", "Davies", "Evans", "Wilson", "Thomas", "Johnson",
        "Roberts", "Robinson", "Thompson", "Wright", "Walker", "White", "Edwards", "Hughes", "Green",
        "Hall", "Lewis", "Harris", "Clarke", "Patel", "Jackson", "Wood", "Turner", "Martin", "Cooper",
        "Hill", "Ward", "Morris", "Moore", "Clark", "Lee", "King", "Baker", "Harrison", "Morgan",
        "Allen", "James", "Scott", "Phillips", "Watson", "Davis", "Parker", "Price", "Bennett", "Young",
        "Griffiths", "Mitchell", "Kelly", "Cook", "Carter", "Richardson", "Bailey", "Collins", "Bell",
        "Shaw", "Murphy", "Miller", "Cox", "Richards", "Khan", "Marshall", "Anderson", "Simpson",
        "Ellis", "Adams", "Singh", "Begum", "Wilkinson", "Foster", "Chapman", "Powell", "Webb",
        "Rogers", "Gray", "Mason", "Ali", "Hunt", "Hussain", "Campbell", "Matthews", "Owen", "Palmer",
        "Holmes", "Mills", "Barnes", "Knight", "Lloyd", "Butler", "Russell", "Barker", "Fisher",
        "O'Brien", "Stevens", "Jenkins", "Murray", "Dixon", "Harvey", "Graham", "Pearson", "Ahmed",
    };
    return names;
}

const std::vector<ExtraSubject>& ExtraSubjects() {
    static const std::vector<ExtraSubject> subjects = {
        {"Religious Education", "History"}, {"Drama", "English"},
        {"Personal, Social & Health Education", "Physical Education"}, {"Citizenship", "History"},
        {"Biology", "Science"}, {"Chemistry", "Science"}, {"Physics", "Science"},
        {"Statistics", "Maths"}, {"Further Maths", "Maths"}, {"French", "Modern Foreign Languages"},
        {"Spanish", "Modern Foreign Languages"}, {"German", "Modern Foreign Languages"},
        {"Food Technology", "Design & Technology"}, {"Textiles", "Design & Technology"},
        {"Media Studies", "English"}, {"Dance", "Physical Education"}, {"Economics", "Maths"},
        {"Computing", "Information & Communication Technology"}, {"Photography", "Art & Design"},
        {"Business Studies", "Maths"}, {"Latin", "Modern Foreign Languages"},
        {"Environmental Studies", "Geography"}, {"Music Technology", "Music"},
    };
    return subjects;
}

std::string ObjectiveText(SeededRandom& random) {
    return random.Pick(ObjectiveVerbs()) + " " + random.Pick(Topics());
}

std::string ActivityText(SeededRandom& random) {
    std::string text = random.Pick(ActivityForms()) + " " + random.Pick(Topics()) + ".";
    if (random.Chance(40)) text += " Pupils record their ideas in their books and share them with a partner.";
    return text;
}

std::string OutcomeText(SeededRandom& random) {
    return random.Pick(OutcomeVerbs()) + " " + random.Pick(Topics());
}

std::string ResourceText(SeededRandom& random) {
    static const Words resources = {"Interactive whiteboard slides", "Mini whiteboards", "Text books, page ",
                                    "Worksheets", "Laptops", "Counting apparatus", "Atlases",
                                    "Science kit box ", "Reading books", "Art materials"};
    return random.Pick(resources) + std::to_string(random.Between(1, 120));
}

std::string StatementText(SeededRandom& random) {
    static const Words starts = {"Pupils show", "Pupils can", "Pupils begin to", "Pupils describe",
                                 "Pupils use", "Pupils recognise"};
    return random.Pick(starts) + " " + random.Pick(Topics());
}

std::string LessonEvaluation(SeededRandom& random) {
    static const Words sentences = {
        "Most pupils met the objective.", "The starter took longer than planned.",
        "Lower ability group needed more support with the main task.",
        "Good engagement throughout the lesson.", "Revisit this topic next week.",
        "Extension task was completed by the higher ability group.",
        "Plenary showed secure understanding.", "Behaviour was settled and focused.",
    };
    std::string text;
    const int count = random.Between(1, 3);
    for (int i = 0; i < count; ++i) text += (i ? " " : "") + random.Pick(sentences);
    return text;
}

std::string LessonNoteText(SeededRandom& random, const std::string& firstName) {
    static const Words notes = {
        "{name} answered several questions well.", "{name} found the main task difficult.",
        "{name} was distracted and distracted others.", "{name} helped a partner patiently.",
        "{name} did not finish the written work.", "{name} made a thoughtful contribution to the plenary.",
        "{name} needed reminding to stay on task.", "{name} worked very well in a group.",
    };
    return Fill(random.Pick(notes), firstName, {});
}

std::string PupilNoteText(SeededRandom& random, const std::string& firstName) {
    static const Words notes = {
        "Spoke to {name}'s parents at the gate about homework.", "{name} has a new reading book.",
        "{name} was upset after lunch; resolved with the TA.", "{name} brought in a project from home.",
        "Parents' evening: parents are pleased with {name}'s progress.", "{name} forgot PE kit again.",
        "{name} received a merit certificate in assembly.", "{name} is to see the school nurse.",
    };
    return Fill(random.Pick(notes), firstName, {});
}

std::string AbsenceText(SeededRandom& random) {
    static const Words reasons = {"Illness", "Medical appointment", "Family holiday", "Dental appointment",
                                  "Unexplained", "Bereavement", "Religious observance", "Late bus"};
    return random.Pick(reasons);
}

std::string SubjectReport(SeededRandom& random, const std::string& firstName, const std::string& subject,
                          const Pronouns& pronouns) {
    static const Words openings = {
        "{name} has made good progress in %s this year.",
        "{name} has worked steadily in %s throughout the year.",
        "{name} has shown real enthusiasm for %s.",
        "This has been a year of mixed success for {name} in %s.",
    };
    static const Words middles = {
        "{He} listens carefully to instructions and settles quickly to {his} work.",
        "{His} written work is neat and well organised, and {he} takes pride in presenting it.",
        "{He} contributes thoughtfully to class discussions and is not afraid to ask questions.",
        "{He} sometimes rushes {his} work and would benefit from checking it through.",
        "{He} works well with others and is a supportive partner in group tasks.",
        "{His} homework is always completed on time and to a good standard.",
        "{He} has grown in confidence, particularly when explaining {his} reasoning.",
        "{He} needs to take more care with spelling and punctuation in extended answers.",
        "{He} responded well to the feedback given in {his} books and improved {his} drafts.",
        "{His} practical work shows care and a willingness to try new approaches.",
    };
    static const Words targets = {
        "Next year {he} should aim to read more widely and to challenge {him}self with harder tasks.",
        "{His} target for next year is to develop {his} explanations in more detail.",
        "To improve further, {name} should practise key facts regularly at home.",
        "{name} should keep up this excellent effort next year.",
    };
    std::string opening = random.Pick(openings);
    opening.replace(opening.find("%s"), 2, subject);
    std::string text = opening;
    const std::vector<int> picked = random.Distinct(random.Between(4, 6), static_cast<int>(middles.size()));
    for (int index : picked) text += " " + middles[static_cast<std::size_t>(index)];
    text += "\n\n" + random.Pick(targets);
    std::string filled = Fill(text, firstName, pronouns);
    const std::string him = pronouns.subject == "she" ? "her" : "him";
    for (std::size_t at = filled.find("{him}"); at != std::string::npos; at = filled.find("{him}", at))
        filled.replace(at, 5, him);
    return filled;
}

std::string TutorComment(SeededRandom& random, const std::string& firstName, const Pronouns& pronouns) {
    static const Words comments = {
        "{name} is a friendly and helpful member of the class who gets on well with everyone.",
        "{name} has settled well into the class this year and has made many friends.",
        "{name}'s attendance and punctuality have been excellent.",
        "{name} takes on responsibility willingly and was a reliable class monitor.",
        "{name} should try to be better organised, remembering {his} books and kit each day.",
        "{name} represents the school with pride in sports and music events.",
    };
    std::string text;
    const std::vector<int> picked = random.Distinct(3, static_cast<int>(comments.size()));
    for (int index : picked) text += (text.empty() ? "" : " ") + comments[static_cast<std::size_t>(index)];
    return Fill(text, firstName, pronouns);
}

std::string Grading(int level, SeededRandom& random) {
    static const char subLevels[] = {'a', 'b', 'c'};
    return std::to_string(level) + subLevels[random.Below(3)];
}

}  // namespace vantaro::bench
