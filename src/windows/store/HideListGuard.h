#pragma once

#include <string>

#include "factory/CFactory.h"

namespace vantaro {

// Empties the factory's hide list for as long as it lives, so that hidden forms, terms and
// subjects are listed too, and puts the list back however the scope is left, unless Keep hands
// a new list over.
class HideListGuard {
public:
    explicit HideListGuard(CFactory& factory) : factory_(factory), saved_(factory.GetHiddenIDs()) {
        factory_.SetHiddenIDs("");
    }
    ~HideListGuard() { factory_.SetHiddenIDs(kept_ ? replacement_ : saved_); }
    HideListGuard(const HideListGuard&) = delete;
    HideListGuard& operator=(const HideListGuard&) = delete;

    const std::string& Saved() const { return saved_; }
    // The list the factory gets when the guard ends, instead of the saved one.
    void Keep(std::string ids) {
        replacement_ = std::move(ids);
        kept_ = true;
    }

private:
    CFactory& factory_;
    std::string saved_;
    std::string replacement_;
    bool kept_ = false;
};

}  // namespace vantaro
