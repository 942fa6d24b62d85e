#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

#include "lha/ByteStream.h"

namespace vantaro::lha {

// Reads the packed data of one member, at most a given number of bytes from the source, as bits
// taken most significant first (the order of every LHA method). The decoders' hot loops work on
// the 64-bit buffer directly: the next unread bit is bit 63 of Bits() and Count() of them are
// valid.
//
// Past the end of the packed data the reader supplies zero bytes, because a decoder's look-ahead
// may reach a few bytes beyond the last one it needs. Consuming any of those zero bits means the
// data was cut short; Overrun() tells, and a decoder that keeps reading far past the end is
// stopped with ECompLHABadCRC so that no input can make it loop for ever.
class BitReader {
public:
    static constexpr int kMaxPeek = 56;  // bits guaranteed after Refill(); never more than 63

    BitReader(ByteSource& source, std::uint64_t packedSize);

    void Refill() {
        if (end_ - next_ >= 8) {
            std::uint64_t word;
            std::memcpy(&word, next_, 8);
            bits_ |= ToBigEndian(word) >> count_;
            const int bytes = (63 - count_) >> 3;
            next_ += bytes;
            count_ += bytes * 8;
        } else {
            RefillSlowly();
        }
    }

    std::uint64_t Bits() const { return bits_; }
    int Count() const { return count_; }
    // n is 1 to 32 and at most Count().
    std::uint32_t Peek(int n) const { return static_cast<std::uint32_t>(bits_ >> (64 - n)); }
    void Skip(int n) {
        bits_ <<= n;
        count_ -= n;
    }
    // Reads n bits (0 to 32), refilling as needed.
    std::uint32_t Get(int n) {
        if (n == 0) return 0;
        if (count_ < n) Refill();
        const std::uint32_t value = Peek(n);
        Skip(n);
        return value;
    }

    // True when bits past the end of the packed data have been consumed.
    bool Overrun() const { return count_ < padding_ * 8; }

private:
    static std::uint64_t ToBigEndian(std::uint64_t word) {
        if constexpr (std::endian::native == std::endian::little) return __builtin_bswap64(word);
        return word;
    }
    void RefillSlowly();
    bool FillBuffer();

    ByteSource& source_;
    std::uint64_t unread_;  // packed bytes not yet taken from the source
    std::unique_ptr<std::uint8_t[]> buffer_;
    const std::uint8_t* next_ = nullptr;
    const std::uint8_t* end_ = nullptr;
    std::uint64_t bits_ = 0;
    int count_ = 0;
    int padding_ = 0;  // zero bytes supplied past the end
};

}  // namespace vantaro::lha
