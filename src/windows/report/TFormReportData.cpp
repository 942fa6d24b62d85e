#include "windows/report/TFormReportData.h"

#include <QAction>
#include <QMenu>
#include <QSplitter>

#include "controllers/actions/ActionSupport.h"
#include "domain/ReportMerge.h"
#include "grid/CellEditor.h"
#include "grid/CellText.h"
#include "grid/markup/CellReaders.h"
#include "domain/People.h"
#include "routines/IdentifierCaption.h"
#include "routines/Platform.h"
#include "routines/TextBasics.h"
#include "routines/XMLRoutines.h"
#include "windows/report/ReportsPdf.h"
#include "windows/report/TFrameInformation.h"
#include "windows/report/TFrameReportGrid.h"

namespace vantaro {

TFormReportData* TFormReportData::Open(MainWindowCommands& main, const std::vector<CStored*>& objects) {
    std::vector<CStored*> pupils;
    for (CStored* object : objects)
        if (dynamic_cast<CPupil*>(object)) pupils.push_back(object);
    if (pupils.empty()) {
        Platform::Prompts().Ask("Missing Pupils", "There Are No Pupil Reports To Show, This window will now close.",
                                MessageButtons::Close);
        return nullptr;
    }
    return new TFormReportData(main, pupils);
}

TFormReportData::TFormReportData(MainWindowCommands& main, const std::vector<CStored*>& pupils)
    : TFormDataControler("TFormReportData", main) {
    setWindowTitle(QString::fromLatin1(pupils.size() == 1 ? pupils.front()->DisplayText() + " Report"
                                                          : std::string("Pupil Reports")));
    viewReports_ = new TFrameReportGrid(this);
    viewReports_->SetObjectList(pupils);
    viewReports_->SetPagePerTitle(true);
    viewReports_->SetEditorDropsOnly(true);
    AddView(viewReports_, "ActionViewAnnualReports", "Annual Reports");
    SetupViews();

    // The information panel sits left of the report page, with a splitter between them.
    information_ = new TFrameInformation(this);
    splitter_ = new QSplitter(Qt::Horizontal, this);
    QSplitter* splitter = splitter_;
    QWidget* reports = takeCentralWidget();
    splitter->addWidget(information_);
    splitter->addWidget(reports);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
    for (TFrameGridAncestor* frame : information_->Frames()) frame->SetShowSelection(false);
    connect(information_, &TFrameInformation::TabChosen, this, [this] { RunAction(FindAction("ACTIONSHOWINFOVIEW")); });

    AddAction("ActionSynchroniseInfoPanel", "Synchronise Info Panel", -1, {}, [this] { SynchroniseInfoPanel(); });
    AddAction("ActionShowInfoView", "Show Info View", -1, {}, [this] { ShowInfoView(); });
    QAction* savePdf = AddAction("ActionSaveAllReportsPdf", "Save All Reports as PDF...", -1, {}, [this] {
        viewReports_->CommitEdit();
        SaveAllReportsAsPdf(Main(), viewReports_->ObjectList(), windowTitle());
    });
    FileMenu().insertAction(FindAction("ACTIONPRINT"), savePdf);
    for (const char* name : {"ACTIONADDFORMTEACHERCOMMENT", "ACTIONADDHEADTEACHERCOMMENT"})
        PopupMenu().addAction(FindAction(name));
    ActionView(FindAction("ACTIONVIEWANNUALREPORTS"));
    information_->Synchronise(nullptr, nullptr);
    ShowInfoView();
}

void TFormReportData::showEvent(QShowEvent* event) {
    TFormDataControler::showEvent(event);
    if (!panelPlaced_) {
        // Two fifths of the width for the panel at first; the splitter keeps what the user sets.
        splitter_->setSizes({width() * 2 / 5, width() * 3 / 5});
        panelPlaced_ = true;
    }
    FindAction("ACTIONFORMCLOSE")->setText(QString::fromLatin1(IdentifierCaption("REPORTS")));
    information_->CurrentFrame().Refresh(1);
}

void TFormReportData::PrintModeChanged(bool on) { information_->setVisible(!on); }

void TFormReportData::Refresh(int mode) {
    TFormDataControler::Refresh(mode);
    if (information_ && information_->isVisible()) information_->CurrentFrame().Refresh(1);
}

void TFormReportData::SynchroniseInfoPanel() {
    information_->Synchronise(CurrentTarget(), CurrentSource());
    ShowInfoView();
}

void TFormReportData::ShowInfoView() { information_->ShowInfoView(this); }

namespace {

// What a dragged item says: "<PUPIL> can add up" for an outcome reached at a capability, the text
// of a note; empty for anything else.
std::string DroppedSentence(const CStored* dropped, const CStored* second) {
    const auto text = [](const CStored& object) { return Trim(UnescapeText(object.GetAttributeValue("DESCRIPTION"))); };
    if (IsClass(dropped, "COutcome") && IsClass(second, "CCapability"))
        return std::string(kPupilPlaceholder) + " " + LowerCase(text(*second)) + " " + text(*dropped);
    if (IsClass(dropped, "CNote")) return text(*dropped);
    return {};
}

}  // namespace

// The pupil is the one of the cell being edited, whatever cell ran last.
void TFormReportData::DropIntoEditor(const std::string& editedCell, const std::string& draggedCell) {
    CStored* target = CellTarget(editedCell);
    CStored* pupil = IsClass(target, "CAssessment") ? target->GetRelation("PUPIL") : target;
    if (!IsClass(pupil, "CPupil")) return;
    const CStored* gender = pupil->GetRelation("GENDER");
    if (!gender) {
        Platform::Prompts().Ask("Pupil Error",
                                "This Pupil has no gender assocated with them, please assign a gender for " +
                                    pupil->DisplayText(),
                                MessageButtons::Close);
        return;
    }
    // An empty note or an item that says nothing leaves the text as it is.
    const std::string sentence = DroppedSentence(CellTarget(draggedCell), CellSource(draggedCell));
    if (sentence.empty()) return;
    CellEditor& editor = viewReports_->Editor();
    const PupilWords words{UnescapeText(pupil->GetAttributeValue("FIRST_NAME")),
                           UnescapeText(gender->GetAttributeValue("NAME_REPLACEMENT")),
                           UnescapeText(gender->GetAttributeValue("GENITIVE_REPLACEMENT"))};
    const std::string merged = MergeReportSentence(ToStoredText(editor.toPlainText()), sentence, words);
    editor.setPlainText(QString::fromLatin1(merged).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    editor.document()->setModified(true);
    viewReports_->CommitEdit();
}

void TFormReportData::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormDataControler::ShowCellMenu(x, y, markup);
    const CStored* target = CurrentTarget();
    if (!target) return;
    PopupItemProperties()->setVisible(IsClass(target, "CNote") || IsClass(target, "COutcome"));
    PopupItemDelete()->setVisible(IsClass(target, "CComment") && target->Status() != StoredStatus::Transient);
    if (IsClass(target, "CPupil")) ShowMenuEntries({"ACTIONADDFORMTEACHERCOMMENT", "ACTIONADDHEADTEACHERCOMMENT"});
    PopupMenu().popup(QPoint(x, y));
}

}  // namespace vantaro
