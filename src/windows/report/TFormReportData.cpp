#include "windows/report/TFormReportData.h"

#include <QAction>
#include <QMenu>
#include <QSplitter>

#include "controllers/actions/ActionSupport.h"
#include "domain/People.h"
#include "routines/IdentifierCaption.h"
#include "routines/Platform.h"
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

void TFormReportData::Refresh(int mode) {
    TFormDataControler::Refresh(mode);
    if (information_ && information_->isVisible()) information_->CurrentFrame().Refresh(1);
}

void TFormReportData::SynchroniseInfoPanel() {
    information_->Synchronise(CurrentTarget(), CurrentSource());
    ShowInfoView();
}

void TFormReportData::ShowInfoView() { information_->ShowInfoView(this); }

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
