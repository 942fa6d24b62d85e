#pragma once

#include <cstdint>
#include <string>

#include "factory/CStored.h"

namespace vantaro {

class CCapability;
class CFactory;

// An assessment scale: capabilities in steps, each with a score.
class CAptitude : public CStored {
public:
    CAptitude(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CAptitude"; }
    std::string DisplayText() const override;

    CCapability* NewCapability(CFactory* factory = nullptr);
};

// One step of a scale; SCORE is a fraction, 1 meaning 100 %.
class CCapability : public CStored {
public:
    CCapability(CStored* parent, std::int32_t id);
    std::string ClassName() const override { return "CCapability"; }
    std::string DisplayText() const override;
    // SCORE stored text.
    std::string SortKey() const override;
};

}  // namespace vantaro
