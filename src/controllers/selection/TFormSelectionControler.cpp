#include "controllers/selection/TFormSelectionControler.h"

namespace vantaro {

TFormSelectionControler::TFormSelectionControler(QWidget* parent)
    : TFormControlerAncestor("TFormSelectionControler", QSize(420, 520), parent) {}

}  // namespace vantaro
