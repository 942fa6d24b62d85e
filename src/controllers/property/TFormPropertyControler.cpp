#include "controllers/property/TFormPropertyControler.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "controllers/actions/ActionSupport.h"
#include "controllers/property/TFramePropertyGrid.h"
#include "controllers/selection/TFormSelectionControler.h"
#include "domain/CRovanFactory.h"
#include "factory/CFactory.h"
#include "routines/IdentifierCaption.h"
#include "routines/Words.h"

namespace vantaro {

TFormPropertyControler::TFormPropertyControler(QWidget* parent)
    : TFormControlerAncestor("TFormPropertyControler", QSize(460, 560), parent) {
    setObjectName(QStringLiteral("FormPropertyControler"));
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    page_ = new TFramePropertyGrid(central);
    page_->setObjectName(QStringLiteral("ViewPropertyGrid"));
    layout->addWidget(page_, 1);
    auto* buttons = new QVBoxLayout;
    closeOk_ = new QPushButton(central);
    closeOk_->setObjectName(QStringLiteral("ButtonCloseOK"));
    cancel_ = new QPushButton(QString::fromLatin1(IdentifierCaption("CANCEL")), central);
    cancel_->setObjectName(QStringLiteral("ButtonCancel"));
    buttons->addWidget(closeOk_);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    setCentralWidget(central);
    connect(closeOk_, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        page_->CancelEdit();
        CloseWith(false);
    });
    AddAction("ActionFormEscape", "Escape", -1, QKeySequence(Qt::Key_Escape), [this] { Confirm(); });
    SetHandler("ActionChooseCurriculum", [this] { ChooseCurriculum(); });
}

void TFormPropertyControler::Confirm() {
    page_->CommitEdit();
    CloseWith(true);
}

// The window's close button is Cancel for a new object and Close for an existing one.
bool TFormPropertyControler::CloseButtonAnswer() {
    if (newObject_) {
        page_->CancelEdit();
        return false;
    }
    page_->CommitEdit();
    return true;
}

bool TFormPropertyControler::ShowProperties(CStored* object, QWidget* owner, bool newObject) {
    if (!object) return false;
    newObject_ = newObject;
    CStored* shown = object;
    if (!newObject && object->ClassName() == "CAssessment") {
        // An assessment whose pupil was cleared shows itself rather than nothing.
        if (CStored* pupil = object->GetRelation("PUPIL")) shown = pupil;
    }
    const std::string words = ClassWords(shown->ClassName());
    setWindowTitle(QString::fromLatin1(newObject ? "New " + words + " Properties" : words + " Properties"));
    closeOk_->setText(QString::fromLatin1(IdentifierCaption(newObject ? "OK" : "CLOSE")));
    cancel_->setVisible(newObject);
    page_->SetKindsFor(shown);
    page_->SetObject(shown);
    SetCurrentView(page_);
    const StoredRef given(object);
    const bool confirmed = ExecModal(owner);
    CStored* year = given.Get();
    if (year && year->ClassName() == "CYear") {
        if (auto* factory = dynamic_cast<CRovanFactory*>(year->GetFactory())) factory->Tutor();
    }
    return confirmed;
}

// A subject's curriculum is chosen here with the question about its targets; the targets are
// removed only when the subject keeps a curriculum and it really changes.
void TFormPropertyControler::ChooseCurriculum() {
    CStored* target = CurrentTarget();
    if (!target || target->ClassName() != "CSubject") return;
    const CFactory* factory = Factory();
    if (target->IndexOfProperty("RELATION", "CURRICULUM") < 0 || !factory) return;
    const StoredRef subject(target);
    TFormSelectionControler chooser(this);
    chooser.AddLevel(factory->Root(), "SELECT_A_CURRICULUM", "", "CURRICULUMS", "CURRICULUMS");
    chooser.SetInitialChoice(target->PropertyContentByName("RELATION", "CURRICULUM"));
    if (!chooser.Execute(false, false, true, this) || !subject.Get()) return;
    CStored* chosen = chooser.ChosenObject();
    if (chosen == subject.Get()->GetRelation("CURRICULUM")) return;
    AskToRemoveTargets(*subject.Get());
    subject.Get()->SetRelation("CURRICULUM", chosen);
    page_->Refresh(1);
}

}  // namespace vantaro
