#pragma once

#include <cstddef>
#include <cstdint>

namespace vantaro::lha {

// The CRC-16 that LHA archives carry for each member's unpacked data and for level-2 headers:
// polynomial 8005 in reflected form (A001), initial value 0, no final inversion.
class Crc16 {
public:
    void Update(const std::uint8_t* data, std::size_t size);
    std::uint16_t Value() const { return value_; }

    static std::uint16_t Of(const std::uint8_t* data, std::size_t size);

private:
    std::uint16_t value_ = 0;
};

}  // namespace vantaro::lha
