#include "factory/PathTextMemo.h"

#include <stdexcept>

#include "factory/CFactory.h"
#include "factory/CStored.h"

namespace vantaro {

PathTextMemo::PathTextMemo(CFactory& factory) : factory_(factory) {
    if (factory_.pathMemo_) throw std::logic_error("one path text memo at a time");
    factory_.pathMemo_ = this;
}

PathTextMemo::~PathTextMemo() { factory_.pathMemo_ = nullptr; }

std::string PathTextMemo::OwnerPathText(const CStored& owner) {
    if (const auto known = paths_.find(&owner); known != paths_.end()) return known->second;
    const std::uint64_t cutsBefore = cutWalks_;
    std::string path = owner.PathText();
    if (cutWalks_ == cutsBefore) paths_.emplace(&owner, path);
    return path;
}

}  // namespace vantaro
