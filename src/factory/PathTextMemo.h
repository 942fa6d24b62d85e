#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

namespace vantaro {

class CFactory;
class CStored;

// While one lives, PathText of the factory's objects works out the path text of each owner once
// and reuses it for every object below that owner: the integrity check asks for the path of every
// aggregated object, and they share their owners' paths. Nothing may change the store while one
// lives; one at a time per factory.
class PathTextMemo {
public:
    explicit PathTextMemo(CFactory& factory);
    ~PathTextMemo();
    PathTextMemo(const PathTextMemo&) = delete;
    PathTextMemo& operator=(const PathTextMemo&) = delete;

    // The owner's path text, worked out once.
    std::string OwnerPathText(const CStored& owner);
    // A path walk was cut short at an object already on the walk (a cycle in a damaged store).
    void NoteCutWalk() { ++cutWalks_; }

private:
    CFactory& factory_;
    std::unordered_map<const CStored*, std::string> paths_;
    // A path worked out with a cut depends on where the walk began, so it is not kept.
    std::uint64_t cutWalks_ = 0;
};

}  // namespace vantaro
