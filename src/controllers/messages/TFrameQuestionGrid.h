#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

class CStored;

// A page that asks something: a title (row 0), a text (row 1) and then either one answer the user
// types (row 2) or a list of options with check boxes, option i in row i + 2. The operations
// below place the cells; a refresh keeps them, so ticks and the typed answer survive it.
//
// A click on an option, or Space or Enter on it, cycles its check as the multiple-choice option
// says; moving onto it with the keyboard does not, so a list can be walked without changing it.
class TFrameQuestionGrid : public TFrameGridAncestor {
    Q_OBJECT

public:
    explicit TFrameQuestionGrid(QWidget* parent = nullptr);

    double ColumnWidth(int column) override;
    void BuildPage() override;

    // Empties the page; allow-clear is always on, so a single choice may be left with none ticked.
    void ResetQuestion();
    // A title (running `action` when given) and a text below the cells placed so far.
    void AddMessage(std::string_view title, std::string_view text, std::string_view action = {});
    // A message and an answer cell holding `answer` for the user to change.
    void AddQuestion(std::string_view title, std::string_view text, std::string_view action, std::string_view answer);
    void AddOption(std::string_view text, bool ticked, const CStored* target = nullptr);
    // A message and one option per text. With `ticked` the first option starts ticked, and in a
    // multiple choice every other one too.
    void AddChoiceQuestion(std::string_view title, std::string_view text, bool ticked,
                           const std::vector<std::string>& options);

    int OptionCount() const;
    bool OptionTicked(int option) const;
    CStored* OptionTarget(int option) const;
    // The ID of option's target; 0 when it has none.
    std::int32_t OptionTargetId(int option) const;
    std::string OptionText(int option) const;
    // Whether an option showing the text is ticked.
    bool IsOptionChosen(std::string_view text) const;

    // The answer as typed, with what the open editor holds committed first.
    std::string Answer();
    // Replaces the answer, also one being typed, and refreshes keeping the scroll position.
    void SetAnswer(std::string_view text);

    bool IsMultipleChoice() const { return MultipleChoice(); }

protected:
    void StringGridClick() override;

private:
    static constexpr int kFirstOptionRow = 2;
    static constexpr int kAnswerRow = 2;

    const std::string& OptionCell(int option) const { return Cell(0, option + kFirstOptionRow); }
};

}  // namespace vantaro
