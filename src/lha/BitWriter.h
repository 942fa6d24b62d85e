#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

#include "lha/ByteStream.h"

namespace vantaro::lha {

// Writes bits most significant first through a buffer into a sink, never giving the sink more
// than budget bytes: the byte that would pass the budget raises ECompLHACannotCompress instead.
class BitWriter {
public:
    BitWriter(ByteSink& sink, std::uint64_t budget);

    // n is 0 to 32; value holds no bits above the lowest n.
    void Put(int n, std::uint32_t value) {
        bits_ |= (static_cast<std::uint64_t>(value) << 32 << (32 - n)) >> count_;
        count_ += n;
        if (count_ >= 32) {
            const auto word = static_cast<std::uint32_t>(bits_ >> 32);
            const std::uint32_t bigEndian =
                std::endian::native == std::endian::little ? __builtin_bswap32(word) : word;
            std::memcpy(next_, &bigEndian, 4);
            next_ += 4;
            bits_ <<= 32;
            count_ -= 32;
            if (next_ >= limit_) Flush();
        }
    }

    // Pads the last byte with zero bits and hands everything to the sink.
    void Finish();
    std::uint64_t BytesWritten() const { return written_ + static_cast<std::uint64_t>(next_ - buffer_.get()); }

private:
    void Flush();

    ByteSink& sink_;
    std::uint64_t budget_;
    std::uint64_t written_ = 0;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::uint8_t* next_;
    std::uint8_t* limit_;
    std::uint64_t bits_ = 0;
    int count_ = 0;
};

}  // namespace vantaro::lha
