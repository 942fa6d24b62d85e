#include "lha/BitReader.h"

#include <algorithm>

#include "lha/LhaErrors.h"

namespace vantaro::lha {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
// A decoder never needs more look-ahead than its bit buffer holds; more padding than that means
// it is decoding bits that are not there.
constexpr int kMaxPadding = 16;

}  // namespace

BitReader::BitReader(ByteSource& source, std::uint64_t packedSize)
    : source_(source), unread_(packedSize), buffer_(new std::uint8_t[kBufferSize]) {
    next_ = end_ = buffer_.get();
}

bool BitReader::FillBuffer() {
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kBufferSize, unread_));
    const std::size_t got = wanted == 0 ? 0 : source_.Read(buffer_.get(), wanted);
    unread_ = got == 0 ? 0 : unread_ - got;  // a source that ends early ends the packed data
    next_ = buffer_.get();
    end_ = next_ + got;
    return got > 0;
}

void BitReader::RefillSlowly() {
    while (count_ < kMaxPeek) {
        if (next_ == end_ && !FillBuffer()) {
            if (++padding_ > kMaxPadding) throw ECompLHABadCRC();
            count_ += 8;
            continue;
        }
        bits_ |= static_cast<std::uint64_t>(*next_++) << (56 - count_);
        count_ += 8;
    }
}

}  // namespace vantaro::lha
