#include "windows/store/TFormObjectMapControler.h"

#include <QLabel>
#include <QPushButton>

#include "factory/CFactory.h"
#include "grid/GridErrors.h"
#include "routines/DebugLog.h"
#include "routines/IdentifierCaption.h"
#include "routines/Platform.h"
#include "windows/store/IntegrityReport.h"
#include "windows/store/TFrameObjectMapGrid.h"

namespace vantaro {
namespace {

constexpr const char* kCheckTitle = "Referential Integrity Check";

}  // namespace

TFormObjectMapControler::TFormObjectMapControler(QWidget* parent)
    : TFormSideButtonsControler("TFormObjectMapControler", QSize(960, 620), parent) {
    page_ = new TFrameObjectMapGrid;
    page_->setObjectName(QStringLiteral("ViewObjectMap"));
    AddPage(page_);
    ok_ = AddButton("ButtonOK", IdentifierCaption("OK"));
    check_ = AddButton("ButtonCheckReferentialIntegerty", "Check RI", true);
    count_ = AddBottomLabel("LabelObjectCount");
    connect(ok_, &QPushButton::clicked, this, [this] { CloseWith(true); });
    connect(check_, &QPushButton::clicked, this, [this] { ReportErrors([this] { CheckIntegrity(); }); });
    AddAction("ActionFormCopyToClipboard", "Copy To Clipboard", -1, QKeySequence(Qt::CTRL | Qt::Key_C),
              [this] { page_->CopyToClipboard(); });
}

bool TFormObjectMapControler::ShowObjectMap(CFactory& factory, QWidget* owner) {
    factory_ = &factory;
    storeChanged_ = false;
    setWindowTitle(QString::fromLatin1(IdentifierCaption("Object Map")));
    page_->SetFactory(&factory);
    SetCurrentView(page_);
    const bool confirmed = ExecModal(owner);
    // The window stays for the next showing; the rows of a large store need not.
    page_->SetFactory(nullptr);
    page_->Refresh(0);
    return confirmed;
}

// Showing builds the page; the count follows it.
void TFormObjectMapControler::showEvent(QShowEvent* event) {
    BusyScope busy;
    TFormSideButtonsControler::showEvent(event);
    ShowCount();
}

void TFormObjectMapControler::Rebuild() {
    BusyScope busy;
    page_->Refresh(0);
    ShowCount();
}

void TFormObjectMapControler::ShowCount() {
    count_->setText(QString::number(page_->ObjectCount()) + QLatin1Char(' ') +
                    QString::fromLatin1(IdentifierCaption("OBJECTS")));
}

void TFormObjectMapControler::CheckIntegrity() {
    if (!factory_ || !Platform::Prompts().Ask(kCheckTitle, "The Trash Will be emptied befor the check is completed",
                                              MessageButtons::OkCancel))
        return;
    storeChanged_ = true;
    IntegrityFindings findings;
    {
        BusyScope busy;
        factory_->EmptyTrash();
        const CFactory::IntegrityCounts counts = factory_->FindIntegrityErrors();
        findings = GatherIntegrityFindings(*factory_, counts, DebugLogPath());
    }
    const bool errors = findings.counts.Total() > 0;
    const bool fix = Platform::Prompts().Ask(kCheckTitle, IntegrityReportText(findings),
                                             errors ? MessageButtons::FixCancel : MessageButtons::Close);
    if (errors && fix) {
        BusyScope busy;
        factory_->RepairAdoptions();
        factory_->RepairSurrogates();
        factory_->RepairOrphans();
        factory_->RepairDuplicates();
    }
    Rebuild();
}

}  // namespace vantaro
