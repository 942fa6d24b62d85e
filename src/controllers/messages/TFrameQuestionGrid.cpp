#include "controllers/messages/TFrameQuestionGrid.h"

#include "factory/CStored.h"
#include "grid/GridErrors.h"
#include "grid/markup/CellMarkup.h"
#include "grid/markup/CellReaders.h"
#include "routines/NumberText.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr int kTextLevel = 1;
// The title and the text stay in view while the options or the answer scroll.
constexpr int kMessageRows = 2;

}  // namespace

TFrameQuestionGrid::TFrameQuestionGrid(QWidget* parent) : TFrameGridAncestor(parent) {
    setObjectName(QStringLiteral("ViewQuestionGrid"));
    SetAllowClear(true);
}

double TFrameQuestionGrid::ColumnWidth(int) { return 1.0; }

// The cells stay as the operations placed them. A long text in fixed rows could fill the view and
// leave the options out of reach, so a refresh lets every row scroll.
void TFrameQuestionGrid::BuildPage() { EndPage(0, 0); }

void TFrameQuestionGrid::ResetQuestion() {
    SetAllowClear(true);
    BeginPage(1, 1);
    EndPage(0, 0);
}

void TFrameQuestionGrid::AddMessage(std::string_view title, std::string_view text, std::string_view action) {
    if (!Cell(0, 0).empty()) NextRow();
    SetRowCell(0, TitleCell(title, {.action = action}));
    NextRow();
    SetRowCell(0, TextCell(text, {.level = kTextLevel}));
    EndPage(kMessageRows, 0);
}

void TFrameQuestionGrid::AddQuestion(std::string_view title, std::string_view text, std::string_view action,
                                     std::string_view answer) {
    AddMessage(title, text, action);
    NextRow();
    SetRowCell(0, EditTextCell(answer, {.level = kTextLevel}));
    EndPage(kMessageRows, 0);
}

void TFrameQuestionGrid::AddOption(std::string_view text, bool ticked, const CStored* target) {
    NextRow();
    SetRowCell(0,
               SetCellValue(TextCell(text, {.target = target, .level = kTextLevel}), cell::kCheck, ticked ? "1" : "0"));
    EndPage(kMessageRows, 0);
}

void TFrameQuestionGrid::AddChoiceQuestion(std::string_view title, std::string_view text, bool ticked,
                                           const std::vector<std::string>& options) {
    AddMessage(title, text);
    for (std::size_t i = 0; i < options.size(); ++i) AddOption(options[i], ticked && (i == 0 || IsMultipleChoice()));
}

int TFrameQuestionGrid::OptionCount() const { return std::max(Grid().RowCount() - kFirstOptionRow, 0); }

bool TFrameQuestionGrid::OptionTicked(int option) const {
    const std::string check = CellValue(OptionCell(option), cell::kCheck);
    return !check.empty() && check != "0";
}

CStored* TFrameQuestionGrid::OptionTarget(int option) const { return CellTarget(OptionCell(option), Factory()); }

std::int32_t TFrameQuestionGrid::OptionTargetId(int option) const {
    long long id = 0;
    if (!TryReadInteger(CellValue(OptionCell(option), cell::kTarget), id)) return 0;
    return static_cast<std::int32_t>(id);
}

std::string TFrameQuestionGrid::OptionText(int option) const { return CellDisplayText(OptionCell(option), Factory()); }

bool TFrameQuestionGrid::IsOptionChosen(std::string_view text) const {
    for (int row = kFirstOptionRow; row < Grid().RowCount(); ++row) {
        const std::string& markup = Cell(0, row);
        const std::string check = CellValue(markup, cell::kCheck);
        if ((check == "1" || check == "2") && CellDisplayText(markup, Factory()) == text) return true;
    }
    return false;
}

std::string TFrameQuestionGrid::Answer() {
    ReportErrors([this] { CommitEdit(); });
    return UnescapeText(TagContent(Cell(0, kAnswerRow)));
}

void TFrameQuestionGrid::SetAnswer(std::string_view text) {
    ReportErrors([this] { EndEdit(); });
    const std::string& answer = Cell(0, kAnswerRow);
    if (answer.empty()) return;
    SetCell(0, kAnswerRow, ReplaceTagContent(answer, EscapeText(text)));
    Refresh(1);
}

void TFrameQuestionGrid::StringGridClick() {
    const QRect selection = Selection();
    if (selection.top() > 0) ReportErrors([&] { CycleCheck(selection.left(), selection.top()); });
}

}  // namespace vantaro
