#include "wizards/BuildStatementsWizard.h"

#include "controllers/messages/TFrameQuestionGrid.h"
#include "domain/Curricula.h"
#include "routines/TextBasics.h"
#include "routines/Words.h"
#include "routines/XMLRoutines.h"

namespace vantaro {

std::vector<Wizard::PWidzardEvent> BuildStatementsWizard::Steps() {
    return {[this] { AskForParagraph(); }, [this] { OfferSentences(); }, [this] { AddStatements(); }};
}

void BuildStatementsWizard::AskForParagraph() {
    TFrameQuestionGrid& page = window_.Question();
    page.ResetQuestion();
    page.SetMultipleChoice(false);
    page.AddQuestion("Statement Text", "Enter a paragraph of text from the curriculum containing the statements", "", "");
    page.Refresh(1);
}

// Each sentence is an option of its own, so several are kept at once; two marks in a row make
// no empty statement.
void BuildStatementsWizard::OfferSentences() {
    TFrameQuestionGrid& page = window_.Question();
    const std::string paragraph = page.Answer() + " ";
    page.ResetQuestion();
    page.SetMultipleChoice(true);
    page.AddChoiceQuestion("Statements To Add", "Select the sentences you wish to add as statements", false, {});
    for (int i = 0; i < SentenceCount(paragraph); ++i) {
        const std::string sentence = Sentence(paragraph, i);
        if (!TrimView(sentence).empty()) page.AddOption(sentence, true);
    }
    page.Refresh(1);
}

// A curriculum level lists them as curriculum statements, a subject level as subject statements.
void BuildStatementsWizard::AddStatements() {
    TFrameQuestionGrid& page = window_.Question();
    CStored* level = window_.Target();
    for (int option = 0; option < page.OptionCount(); ++option) {
        if (!page.OptionTicked(option)) continue;
        std::string text = page.OptionText(option);
        InputToStored("STRING", text);
        CStored* statement = nullptr;
        if (auto* curriculumLevel = dynamic_cast<CCurriculumLevel*>(level)) statement = curriculumLevel->NewCurriculumStatement();
        else if (auto* subjectLevel = dynamic_cast<CSubjectLevel*>(level)) statement = subjectLevel->NewSubjectStatement();
        if (statement) statement->SetAttributeValue("DESCRIPTION", text);
    }
    window_.Finish(true);
}

}  // namespace vantaro
