#pragma once

#include "controllers/TFormControlerAncestor.h"

namespace vantaro {

class TFormPropertyControler : public TFormControlerAncestor {
    Q_OBJECT

public:
    explicit TFormPropertyControler(QWidget* parent = nullptr);
    bool ShowProperties(CStored* object, QWidget* owner, bool newObject);
};

}  // namespace vantaro
