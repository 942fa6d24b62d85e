#include "windows/store/TFormFilterControler.h"

#include <QPushButton>

#include "controllers/selection/TFrameSelectionGrid.h"
#include "factory/CFactory.h"
#include "routines/IdentifierCaption.h"
#include "windows/store/HideListGuard.h"

namespace vantaro {

TFormFilterControler::TFormFilterControler(QWidget* parent)
    : TFormSideButtonsControler("TFormFilterControler", QSize(760, 480), parent) {
    page_ = new TFrameSelectionGrid(this);
    page_->setObjectName(QStringLiteral("ViewSelectionGrid"));
    page_->SetMultipleChoice(true);
    page_->SetColumnPerLevel(true);
    page_->SetAllowClear(true);
    AddPage(page_);
    ok_ = AddButton("ButtonOK", IdentifierCaption("OK"));
    cancel_ = AddButton("ButtonCancel", IdentifierCaption("CANCEL"));
    connect(ok_, &QPushButton::clicked, this, [this] { CloseWith(true); });
    connect(cancel_, &QPushButton::clicked, this, [this] { CloseWith(false); });
}

bool TFormFilterControler::ShowFilter(QWidget* owner) {
    CFactory* factory = CFactory::MainFactory();
    if (!factory || !factory->Root()) return false;
    setWindowTitle(QString::fromLatin1(IdentifierCaption("FILTER")));
    HideListGuard shownWhole(*factory);
    page_->Clear();
    CStored* year = factory->Root();
    page_->AddLevel(year, "HIDE_DATA_FROM_FORMS", "", "FORMS", "FORMS");
    page_->AddLevel(year, "HIDE_DATA_FROM_TERMS", "", "TERMS", "TERMS");
    page_->AddLevel(year, "HIDE_DATA_FROM_SUBJECTS", "", "FORMS SUBJECTS", "SUBJECTS");
    page_->SetInitialChoice(shownWhole.Saved());
    SetCurrentView(page_);
    const bool confirmed = ExecModal(owner);
    if (confirmed) shownWhole.Keep(page_->AllChoices());
    return confirmed;
}

}  // namespace vantaro
