#include "windows/TFormPageControler.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "routines/IdentifierCaption.h"
#include "routines/Words.h"

namespace vantaro {

TFormPageControler::TFormPageControler(const char* windowClassName, QSize defaultSize, QWidget* parent)
    : TFormControlerAncestor(windowClassName, defaultSize, parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* central = new QWidget(this);
    pages_ = new QVBoxLayout(central);
    pages_->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 8, 8, 8);
    buttons->addStretch(1);
    buttonClose_ = new QPushButton(QString::fromLatin1(IdentifierCaption("CLOSE")), central);
    buttonClose_->setObjectName(QStringLiteral("ButtonClose"));
    buttons->addWidget(buttonClose_);
    pages_->addLayout(buttons);
    setCentralWidget(central);
    connect(buttonClose_, &QPushButton::clicked, this, [this] {
        if (CurrentView()) CurrentView()->EndEdit();
        CloseWith(true);
    });
}

std::string TFormPageControler::KeywordCaption(std::string_view keyword) {
    return UnderscoresToSpaces(Capitalise(keyword));
}

void TFormPageControler::AddPage(TFrameGridAncestor* page) {
    page->hide();
    pages_->insertWidget(pages_->count() - 1, page, 1);
}

bool TFormPageControler::RunPage(TFrameGridAncestor& page, CStored* object, const std::string& caption,
                                 QWidget* owner) {
    setWindowTitle(QString::fromLatin1(caption));
    for (int i = 0; i < pages_->count(); ++i)
        if (QWidget* widget = pages_->itemAt(i)->widget()) widget->setVisible(widget == &page);
    page.SetObject(object);
    SetCurrentView(&page);
    return ExecModal(owner);
}

}  // namespace vantaro
