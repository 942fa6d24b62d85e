#include "wizards/PupilListWizard.h"

#include "controllers/messages/TFrameQuestionGrid.h"
#include "domain/CRovanFactory.h"
#include "domain/People.h"
#include "domain/Periods.h"
#include "domain/StoredAccess.h"
#include "routines/CsvText.h"
#include "routines/Errors.h"
#include "routines/Platform.h"
#include "routines/TextBasics.h"
#include "routines/Words.h"
#include "windows/LocalPath.h"

namespace vantaro {
namespace {

constexpr const char* kHeaderOption = "Contains Header Information";
constexpr std::size_t kProblemsListed = 10;

// One message for many lines: the first few, then how many more.
void TellLines(const char* caption, const std::string& opening, const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    Platform::Prompts().Ask(caption, opening + "\r\n" + ListedLines(lines, kProblemsListed, ""), MessageButtons::Close);
}

CYear* LoadedYear() {
    CFactory* factory = CFactory::MainFactory();
    return factory ? dynamic_cast<CYear*>(factory->Root()) : nullptr;
}

}  // namespace

std::vector<Wizard::PWidzardEvent> PupilListWizard::Steps() {
    return {[this] { ChooseFile(); }, [this] { ChooseLines(); }, [this] { ChooseFormsAndPupils(); },
            [this] { Import(); }};
}

void PupilListWizard::ChooseFile() {
    TFrameQuestionGrid& page = window_.Question();
    page.ResetQuestion();
    page.SetMultipleChoice(true);
    page.AddQuestion("Select A File To Open",
                     "The application can import CSV files with the following structure: First Name, Initial, "
                     "Last Name, DOB, Form",
                     "ActionFileOpen", fileName_);
    page.AddChoiceQuestion("Does the File contain header information",
                           "If the first line of your CSV file contains header information this will be skiped during "
                           "inport",
                           false, {kHeaderOption});
    page.Refresh(1);
    fileName_.clear();  // kept only for a return from page 2
}

void PupilListWizard::ChooseLines() {
    TFrameQuestionGrid& page = window_.Question();
    const std::string fileName = page.Answer();
    const bool header = page.IsOptionChosen(kHeaderOption);
    TextFileLines file;
    try {
        file = ReadTextFileLines(ToLocalPath(QString::fromLatin1(fileName)));
    } catch (const EVantaro& error) {
        Platform::Prompts().Ask("Pupil List Not Read", error.what(), MessageButtons::Close);
        fileName_ = fileName;
        window_.StartAgain();
        return;
    }
    std::vector<std::string> replaced;
    for (int line : file.replacedCharacterLines)
        replaced.push_back("Line " + std::to_string(line) + ": " + file.lines[line - 1]);
    TellLines("Characters Replaced",
              "Some characters of the file cannot be kept and became \"?\"; check these pupils after the import:",
              replaced);

    page.ResetQuestion();
    page.SetMultipleChoice(true);
    page.AddChoiceQuestion("File Contents", "Selected records will be imported from the CSV file", false, {});
    offered_.clear();
    for (std::size_t i = header ? 1 : 0; i < file.lines.size(); ++i) {
        if (TrimView(file.lines[i]).empty()) continue;
        offered_.push_back({static_cast<int>(i) + 1, file.lines[i]});
        page.AddOption(file.lines[i], true);
    }
    page.Refresh(1);
}

void PupilListWizard::ChooseFormsAndPupils() {
    TFrameQuestionGrid& page = window_.Question();
    std::vector<NumberedLine> chosen;
    for (int option = 0; option < page.OptionCount() && option < static_cast<int>(offered_.size()); ++option)
        if (page.OptionTicked(option)) chosen.push_back(offered_[option]);
    CYear* scratch = window_.Scratch().NewDataStore(false);
    const std::vector<std::string> problems = BuildScratchPupils(*scratch, chosen);
    if (const CYear* loaded = LoadedYear()) DropExistingFromScratch(*scratch, *loaded);
    TellLines("Lines Not Read", "These lines of the file give no pupil, or not all of one:", problems);

    page.ResetQuestion();
    page.SetMultipleChoice(true);
    page.AddChoiceQuestion("Selected forms will be imported",
                           "Should forms already exists in your file, they will not appear in this list", false, {});
    for (const CForm* form : MembersAs<CForm>(*scratch, "FORMS"))
        if (form->Status() == StoredStatus::New) page.AddOption(form->DisplayText(), true, form);
    page.AddChoiceQuestion("Selected pupils will be imported",
                           "Should pupils already exists in your file, they will not appear in this list", false, {});
    for (const CPupil* pupil : MembersAs<CPupil>(*scratch, "PUPILS"))
        if (pupil->Status() == StoredStatus::New) page.AddOption(pupil->DisplayText(), true, pupil);
    page.Refresh(1);
}

void PupilListWizard::Import() {
    TFrameQuestionGrid& page = window_.Question();
    CRovanFactory& scratch = window_.Scratch();
    std::vector<CStored*> chosen;
    for (int option = 0; option < page.OptionCount(); ++option) {
        if (!page.OptionTicked(option)) continue;
        if (CStored* object = scratch.FindObject(page.OptionTargetId(option))) chosen.push_back(object);
    }
    if (CYear* loaded = LoadedYear()) CopyChosenIntoYear(chosen, *loaded);
    scratch.Clear();
    window_.Finish(true);
}

}  // namespace vantaro
