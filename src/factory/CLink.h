#pragma once

#include <string>

#include "factory/CBase.h"
#include "factory/StoredRef.h"

namespace vantaro {

class CStored;

// One entry of a LINK line: a source object mapped to a target object. Neither is owned; a link
// whose source or target has been destroyed is a half link and is not written.
class CLink final : public CBase {
public:
    CLink(CStored* source, CStored* target);

    CStored* Source() const { return source_.Get(); }
    CStored* Target() const { return target_.Get(); }
    void SetTarget(CStored* target);

    // The source's name; empty without a source.
    std::string DisplayText() const override;
    // The source's ID in decimal; empty without a source.
    std::string SortKey() const override;

private:
    StoredRef source_;
    StoredRef target_;
};

}  // namespace vantaro
