#include "lha/ByteStream.h"

#include <algorithm>
#include <cstring>

namespace vantaro::lha {

std::size_t MemorySource::Read(std::uint8_t* data, std::size_t size) {
    const std::size_t count = std::min(size, size_ - position_);
    if (count > 0) std::memcpy(data, data_ + position_, count);
    position_ += count;
    return count;
}

}  // namespace vantaro::lha
