#pragma once

#include "grid/TFrameGridAncestor.h"

namespace vantaro {

// A grid frame for pages edited in place whose report is designed landscape. Each run still
// prints in the orientation in force, portrait unless the user chose landscape, so it adds
// nothing to its base but its name.
class TFrameEditGridAncestor : public TFrameGridAncestor {
    Q_OBJECT

public:
    using TFrameGridAncestor::TFrameGridAncestor;
};

}  // namespace vantaro
