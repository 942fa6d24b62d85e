#include "controllers/selection/TFormSelectionControler.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "controllers/selection/TFrameSelectionGrid.h"
#include "factory/CFactory.h"
#include "routines/IdentifierCaption.h"
#include "routines/NumberText.h"
#include "routines/XMLRoutines.h"

namespace vantaro {

TFormSelectionControler::TFormSelectionControler(QWidget* parent)
    : TFormControlerAncestor("TFormSelectionControler", QSize(420, 520), parent) {
    setObjectName(QStringLiteral("FormSelectionControler"));
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    page_ = new TFrameSelectionGrid(central);
    page_->setObjectName(QStringLiteral("ViewSelectionGrid"));
    layout->addWidget(page_, 1);
    auto* buttons = new QVBoxLayout;
    ok_ = new QPushButton(QString::fromLatin1(IdentifierCaption("OK")), central);
    ok_->setObjectName(QStringLiteral("ButtonOK"));
    cancel_ = new QPushButton(QString::fromLatin1(IdentifierCaption("CANCEL")), central);
    cancel_->setObjectName(QStringLiteral("ButtonCancel"));
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    connect(ok_, &QPushButton::clicked, this, [this] { CloseWith(true); });
    connect(cancel_, &QPushButton::clicked, this, [this] { CloseWith(false); });
}

void TFormSelectionControler::Clear() { page_->Clear(); }

void TFormSelectionControler::AddLevel(CStored* root, const std::string& heading, const std::string& newAction,
                                       const std::string& collection, const std::string& path) {
    page_->AddLevel(root, heading, newAction, collection, path);
}

void TFormSelectionControler::SetInitialChoice(std::string_view ids) { page_->SetInitialChoice(ids); }

bool TFormSelectionControler::Execute(bool multipleChoice, bool columnPerLevel, bool allowClear, QWidget* owner) {
    setWindowTitle(QString::fromLatin1(caption_.empty() ? IdentifierCaption("SELECT") : caption_));
    page_->SetMultipleChoice(multipleChoice);
    page_->SetColumnPerLevel(columnPerLevel);
    page_->SetAllowClear(allowClear);
    SetCurrentView(page_);
    return ExecModal(owner);
}

std::string TFormSelectionControler::ChosenIds() const { return page_->AllChoices(); }

CStored* TFormSelectionControler::ChosenObject() const {
    const std::string ids = ChosenIds();
    const int count = ListCount(ids);
    if (ids.empty() || count == 0) return nullptr;
    long long id = 0;
    if (!TryReadInteger(ListItem(ids, count - 1), id)) return nullptr;
    const CFactory* factory = Factory();
    return factory ? factory->FindObject(static_cast<std::int32_t>(id)) : nullptr;
}

void TFormSelectionControler::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormControlerAncestor::ShowCellMenu(x, y, markup);
    PopupMenu().exec(QPoint(x, y));
}

}  // namespace vantaro
