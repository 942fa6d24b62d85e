#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "windows/TFormSideButtonsControler.h"

class QLabel;
class QPushButton;

namespace vantaro {

class CRovanFactory;
class FileDialogs;
class TFramePropertyGrid;
class TFrameQuestionGrid;
class TFrameSelectionGrid;
class TFormWidzardControler;

// One wizard's pages and its finishing step, with whatever it keeps between them.
class Wizard {
public:
    using PWidzardEvent = std::function<void()>;
    virtual ~Wizard() = default;
    // Every step but the last builds a page; the last does the work and closes the window.
    virtual std::vector<PWidzardEvent> Steps() = 0;
};

// The wizard window: one page at a time on its question, selection or property grid, with Next
// (Finish on the last page), Start Again, Cancel and "Step n of m". One window serves every
// wizard in turn, each started by name.
class TFormWidzardControler : public TFormSideButtonsControler {
    Q_OBJECT

public:
    using WizardMaker = std::function<std::unique_ptr<Wizard>(TFormWidzardControler&)>;

    // `home` is the window it belongs to between runs (the main window), whatever window a run
    // is shown over.
    TFormWidzardControler(CRovanFactory& scratch, FileDialogs& dialogs, QWidget* home);
    ~TFormWidzardControler() override;

    // Adds a wizard to the table.
    void AddWizard(const std::string& name, WizardMaker maker);
    // Runs the named wizard over the caller; true when it was finished. A name not in the table
    // answers false and shows nothing.
    bool Start(const std::string& name, CStored* target, QWidget* caller);

    // For the steps.
    void Advance();
    void StartAgain();
    void Finish(bool ok) { CloseWith(ok); }
    int StepIndex() const { return index_; }
    CStored* Target() const { return target_.Get(); }
    QWidget* Caller() const { return caller_; }
    CRovanFactory& Scratch() const { return scratch_; }
    FileDialogs& Dialogs() const { return dialogs_; }
    // Shows one of the three grids, filling the page area, and makes it the current view.
    void ShowOnly(TFrameGridAncestor& grid);

    TFrameQuestionGrid& Question() const { return *question_; }
    TFrameSelectionGrid& Selection() const { return *selection_; }
    TFramePropertyGrid& Property() const { return *property_; }
    QPushButton& ButtonNext() const { return *next_; }
    QPushButton& ButtonStartAgain() const { return *again_; }
    QPushButton& ButtonCancel() const { return *cancel_; }
    QLabel& StepLabel() const { return *stepLabel_; }

private:
    std::array<TFrameGridAncestor*, 3> Grids() const;
    void ShowStep();
    void CommitEditors();
    void ChooseFile(bool toSave);

    CRovanFactory& scratch_;
    FileDialogs& dialogs_;
    QWidget* home_;
    std::vector<std::pair<std::string, WizardMaker>> table_;
    std::unique_ptr<Wizard> wizard_;
    std::vector<Wizard::PWidzardEvent> steps_;
    int index_ = -1;
    StoredRef target_;
    QWidget* caller_ = nullptr;
    TFrameQuestionGrid* question_ = nullptr;
    TFrameSelectionGrid* selection_ = nullptr;
    TFramePropertyGrid* property_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* again_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* stepLabel_ = nullptr;
};

}  // namespace vantaro
