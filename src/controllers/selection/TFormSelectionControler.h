#pragma once

#include <string>
#include <utility>

#include "controllers/TFormControlerAncestor.h"

class QPushButton;

namespace vantaro {

class TFrameSelectionGrid;

// The chooser: lists objects by levels and lets the user pick one (single choice) or several
// (multiple choice). A caller makes one per question, so a chooser opened from inside another
// (Choose Form from the New Pupil window of a Choose Pupil) leaves the outer one as it was:
//   TFormSelectionControler chooser(owner);
//   chooser.AddLevel(year, "CHOOSE_A_TERM", "", "TERMS", "TERMS");
//   chooser.SetInitialChoice(ids);
//   if (chooser.Execute(false, false, true, owner)) use(chooser.ChosenObject());
class TFormSelectionControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    explicit TFormSelectionControler(QWidget* parent = nullptr);

    void Clear();
    void AddLevel(CStored* root, const std::string& heading, const std::string& newAction,
                  const std::string& collection, const std::string& path);
    void SetInitialChoice(std::string_view ids);
    // The window's caption; "Select" unless set.
    void SetCaption(std::string caption) { caption_ = std::move(caption); }
    // Shows the chooser modally over the owner; true when closed with OK.
    bool Execute(bool multipleChoice, bool columnPerLevel, bool allowClear, QWidget* owner);
    std::string ChosenIds() const;
    // The object of the last chosen ID, or none.
    CStored* ChosenObject() const;

    TFrameSelectionGrid& Page() const { return *page_; }
    QPushButton& ButtonOK() const { return *ok_; }
    QPushButton& ButtonCancel() const { return *cancel_; }

    void ShowCellMenu(int x, int y, const std::string& markup) override;

private:
    TFrameSelectionGrid* page_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::string caption_;
};

}  // namespace vantaro
