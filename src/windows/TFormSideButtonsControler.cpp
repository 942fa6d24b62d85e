#include "windows/TFormSideButtonsControler.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantaro {

TFormSideButtonsControler::TFormSideButtonsControler(const char* windowClassName, QSize defaultSize, QWidget* parent)
    : TFormControlerAncestor(windowClassName, defaultSize, parent) {
    central_ = new QWidget(this);
    auto* layout = new QHBoxLayout(central_);
    layout->setContentsMargins(4, 4, 4, 4);
    pages_ = new QVBoxLayout;
    layout->addLayout(pages_, 1);
    auto* column = new QVBoxLayout;
    top_ = new QVBoxLayout;
    bottom_ = new QVBoxLayout;
    column->addLayout(top_);
    column->addStretch(1);
    column->addLayout(bottom_);
    layout->addLayout(column);
    setCentralWidget(central_);
}

void TFormSideButtonsControler::AddPage(TFrameGridAncestor* page) {
    page->setParent(central_);
    pages_->addWidget(page, 1);
    if (!CurrentView()) SetCurrentView(page);
}

QPushButton* TFormSideButtonsControler::AddButton(std::string_view name, const std::string& caption, bool atBottom) {
    auto* button = new QPushButton(QString::fromLatin1(caption), central_);
    button->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    (atBottom ? bottom_ : top_)->addWidget(button);
    return button;
}

QLabel* TFormSideButtonsControler::AddBottomLabel(std::string_view name) {
    auto* label = new QLabel(central_);
    label->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    bottom_->addWidget(label);
    return label;
}

}  // namespace vantaro
