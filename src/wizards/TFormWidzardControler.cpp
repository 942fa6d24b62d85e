#include "wizards/TFormWidzardControler.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "controllers/messages/TFrameQuestionGrid.h"
#include "controllers/property/TFramePropertyGrid.h"
#include "controllers/selection/TFrameSelectionGrid.h"
#include "domain/CRovanFactory.h"
#include "grid/GridErrors.h"
#include "routines/IdentifierCaption.h"
#include "windows/FileDialogs.h"
#include "windows/LocalPath.h"

namespace vantaro {
namespace {

const QString kOpenFilter = QStringLiteral("Comma Separated Values (*.csv);;All Files (*)");
const QString kSaveFilter = QStringLiteral("Data Store (*.ods)");

}  // namespace

TFormWidzardControler::TFormWidzardControler(CRovanFactory& scratch, FileDialogs& dialogs, QWidget* home)
    : TFormSideButtonsControler("TFormWidzardControler", QSize(611, 522), home),
      scratch_(scratch),
      dialogs_(dialogs),
      home_(home) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    question_ = new TFrameQuestionGrid;
    question_->setObjectName(QStringLiteral("ViewQuestionGrid"));
    selection_ = new TFrameSelectionGrid;
    selection_->setObjectName(QStringLiteral("ViewSelectionGrid"));
    property_ = new TFramePropertyGrid;
    property_->setObjectName(QStringLiteral("ViewPropertyGrid"));
    for (TFrameGridAncestor* grid : Grids()) {
        AddPage(grid);
        grid->SetController(this);
    }
    next_ = AddButton("ButtonNext", IdentifierCaption("NEXT"));
    again_ = AddButton("ButtonStartAgain", IdentifierCaption("START_AGAIN"));
    cancel_ = AddButton("ButtonCancel", IdentifierCaption("CANCEL"));
    stepLabel_ = AddBottomLabel("LabelStep");
    connect(next_, &QPushButton::clicked, this, [this] { ReportErrors([this] { Advance(); }); });
    connect(again_, &QPushButton::clicked, this, [this] { ReportErrors([this] { StartAgain(); }); });
    connect(cancel_, &QPushButton::clicked, this, [this] { CloseWith(false); });
    AddAction("ActionFileOpen", "Open...", 6, {}, [this] { ChooseFile(false); });
    AddAction("ActionFileSaveAs", "Save As...", -1, {}, [this] { ChooseFile(true); });
    ShowOnly(*question_);
}

TFormWidzardControler::~TFormWidzardControler() = default;

std::array<TFrameGridAncestor*, 3> TFormWidzardControler::Grids() const {
    return {question_, selection_, property_};
}

void TFormWidzardControler::AddWizard(const std::string& name, WizardMaker maker) {
    table_.emplace_back(name, std::move(maker));
}

bool TFormWidzardControler::Start(const std::string& name, CStored* target, QWidget* caller) {
    const auto entry = std::find_if(table_.begin(), table_.end(), [&](const auto& row) { return row.first == name; });
    if (entry == table_.end()) return false;
    for (TFrameGridAncestor* grid : Grids())
        grid->CancelEdit();
    question_->ResetQuestion();
    selection_->Clear();
    property_->SetObject(nullptr);
    setWindowTitle(QString::fromLatin1(IdentifierCaption(name)));
    target_ = StoredRef(target);
    caller_ = caller;
    wizard_ = entry->second(*this);
    steps_ = wizard_->Steps();
    index_ = -1;
    ShowOnly(*question_);
    Advance();
    const bool finished = ExecModal(caller);
    // Back to the window it belongs to, so the caller (a data window, say) can close and go.
    setParent(home_, windowFlags());
    caller_ = nullptr;
    return finished;
}

void TFormWidzardControler::Advance() {
    CommitEditors();
    ++index_;
    ShowStep();
}

void TFormWidzardControler::StartAgain() {
    CommitEditors();
    index_ = 0;
    ShowStep();
}

void TFormWidzardControler::ShowOnly(TFrameGridAncestor& grid) {
    for (TFrameGridAncestor* each : Grids())
        each->setVisible(each == &grid);
    SetCurrentView(&grid);
}

// "Step 2 of 3": the finishing step is not a page.
void TFormWidzardControler::ShowStep() {
    const int pages = static_cast<int>(steps_.size()) - 1;
    stepLabel_->setText(QStringLiteral("Step %1 of %2").arg(index_ + 1).arg(pages));
    again_->setEnabled(index_ > 0);
    next_->setText(QString::fromLatin1(IdentifierCaption(index_ + 2 == static_cast<int>(steps_.size()) ? "FINISH" : "NEXT")));
    if (index_ >= 0 && index_ < static_cast<int>(steps_.size())) steps_[index_]();
}

void TFormWidzardControler::CommitEditors() {
    for (TFrameGridAncestor* grid : Grids())
        grid->EndEdit();
}

// The file question's heading: the chosen file becomes the answer; a chosen backup's folder is
// where the next backup goes.
void TFormWidzardControler::ChooseFile(bool toSave) {
    const QString chosen = toSave ? dialogs_.ChooseFileToSave(this, kSaveFilter, QString::fromLatin1(question_->Answer()))
                                  : dialogs_.ChooseFileToOpen(this, kOpenFilter);
    if (chosen.isEmpty()) return;
    question_->SetAnswer(chosen.toLatin1().toStdString());
    if (CFactory* factory = CFactory::MainFactory(); toSave && factory)
        factory->Settings().BackupPath = ToLocalPath(QFileInfo(chosen).absolutePath() + QLatin1Char('/'));
}

}  // namespace vantaro
