#include "windows/notes/TFormAbsencesControler.h"

#include <QMenu>

#include "controllers/actions/ActionSupport.h"
#include "windows/notes/TFrameAbsenceGrid.h"

namespace vantaro {

TFormAbsencesControler::TFormAbsencesControler(QWidget* parent)
    : TFormPageControler("TFormAbsencesControler", QSize(640, 420), parent) {
    viewAbsences_ = new TFrameAbsenceGrid(this);
    AddPage(viewAbsences_);
    AddAction("ActionSwapAuthorization", "Swap Authorization", -1, {}, [this] { SwapAuthorization(); });
    PopupMenu().addAction(FindAction("ACTIONSWAPAUTHORIZATION"));
}

bool TFormAbsencesControler::ShowAbsences(CStored* pupil, QWidget* owner) {
    return RunPage(*viewAbsences_, pupil, KeywordCaption("PUPIL_ABSENCES"), owner);
}

// Anything but "TRUE", an empty value too, becomes "TRUE".
void TFormAbsencesControler::SwapAuthorization() {
    CStored* absence = CurrentTarget();
    if (!IsClass(absence, "CAbsence")) return;
    absence->SetAttributeValue("AUTHORIZED", absence->GetAttributeValue("AUTHORIZED") == "TRUE" ? "FALSE" : "TRUE");
    RefreshAfterChange();
}

void TFormAbsencesControler::ShowCellMenu(int x, int y, const std::string& markup) {
    TFormControlerAncestor::ShowCellMenu(x, y, markup);
    if (!CurrentTarget()) return;
    PopupItemProperties()->setVisible(false);
    if (IsClass(CurrentTarget(), "CAbsence")) ShowMenuEntries({"ACTIONSWAPAUTHORIZATION", "ACTIONCHOOSEDURATION"});
    PopupMenu().popup(QPoint(x, y));
}

}  // namespace vantaro
