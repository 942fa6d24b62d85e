#include "windows/store/TFormStoreControler.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>


namespace vantaro {

TFormStoreControler::TFormStoreControler(const char* windowClassName, QSize defaultSize, QWidget* parent)
    : TFormControlerAncestor(windowClassName, defaultSize, parent) {
    central_ = new QWidget(this);
    auto* layout = new QHBoxLayout(central_);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* column = new QVBoxLayout;
    top_ = new QVBoxLayout;
    bottom_ = new QVBoxLayout;
    column->addLayout(top_);
    column->addStretch(1);
    column->addLayout(bottom_);
    layout->addLayout(column);
    setCentralWidget(central_);
}

void TFormStoreControler::SetPage(TFrameGridAncestor* page) {
    page->setParent(central_);
    static_cast<QHBoxLayout*>(central_->layout())->insertWidget(0, page, 1);
    SetCurrentView(page);
}

QPushButton* TFormStoreControler::AddButton(std::string_view name, const std::string& caption, bool atBottom) {
    auto* button = new QPushButton(QString::fromLatin1(caption), central_);
    button->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    (atBottom ? bottom_ : top_)->addWidget(button);
    return button;
}

QLabel* TFormStoreControler::AddBottomLabel(std::string_view name) {
    auto* label = new QLabel(central_);
    label->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    bottom_->addWidget(label);
    return label;
}

}  // namespace vantaro
