#pragma once

#include "controllers/TFormControlerAncestor.h"

namespace vantaro {

class TFormSelectionControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    explicit TFormSelectionControler(QWidget* parent = nullptr);
};

}  // namespace vantaro
