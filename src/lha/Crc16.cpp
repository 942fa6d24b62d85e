#include "lha/Crc16.h"

#include <array>

namespace vantaro::lha {
namespace {

constexpr std::uint16_t kPolynomial = 0xA001;
constexpr int kSlices = 8;  // bytes folded per step of the sliced table walk

using SliceTables = std::array<std::array<std::uint16_t, 256>, kSlices>;

// tables[0] is the classic byte table; tables[k][b] is the CRC of byte b followed by k zero bytes,
// so eight bytes are folded with eight independent look-ups.
constexpr SliceTables MakeTables() {
    SliceTables tables{};
    for (unsigned byte = 0; byte < 256; ++byte) {
        std::uint16_t crc = static_cast<std::uint16_t>(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 1) ? (crc >> 1) ^ kPolynomial : crc >> 1);
        tables[0][byte] = crc;
    }
    for (int slice = 1; slice < kSlices; ++slice)
        for (unsigned byte = 0; byte < 256; ++byte) {
            const std::uint16_t previous = tables[slice - 1][byte];
            tables[slice][byte] =
                static_cast<std::uint16_t>((previous >> 8) ^ tables[0][previous & 0xFF]);
        }
    return tables;
}

constexpr SliceTables kTables = MakeTables();

}  // namespace

void Crc16::Update(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = value_;
    while (size >= kSlices) {
        crc ^= static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8;
        crc = kTables[7][crc & 0xFF] ^ kTables[6][crc >> 8] ^ kTables[5][data[2]] ^
              kTables[4][data[3]] ^ kTables[3][data[4]] ^ kTables[2][data[5]] ^
              kTables[1][data[6]] ^ kTables[0][data[7]];
        data += kSlices;
        size -= kSlices;
    }
    while (size-- > 0) crc = (crc >> 8) ^ kTables[0][(crc ^ *data++) & 0xFF];
    value_ = static_cast<std::uint16_t>(crc);
}

std::uint16_t Crc16::Of(const std::uint8_t* data, std::size_t size) {
    Crc16 crc;
    crc.Update(data, size);
    return crc.Value();
}

}  // namespace vantaro::lha
