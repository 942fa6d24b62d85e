#include "controllers/property/TFormPropertyControler.h"

namespace vantaro {

TFormPropertyControler::TFormPropertyControler(QWidget* parent)
    : TFormControlerAncestor("TFormPropertyControler", QSize(460, 560), parent) {}

bool TFormPropertyControler::ShowProperties(CStored*, QWidget* owner, bool) { return ExecModal(owner); }

}  // namespace vantaro
