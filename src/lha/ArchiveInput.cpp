#include "lha/ArchiveInput.h"

#include <algorithm>
#include <cstring>

namespace vantaro::lha {

std::size_t FileArchiveInput::ReadAt(std::uint64_t offset, void* data, std::size_t size) {
    if (offset >= size_) return 0;
    if (offset != position_) file_.Seek(offset);
    const std::size_t got = file_.Read(data, size);
    position_ = offset + got;
    return got;
}

std::size_t MemoryArchiveInput::ReadAt(std::uint64_t offset, void* data, std::size_t size) {
    if (offset >= bytes_.size()) return 0;
    const std::size_t count = std::min<std::uint64_t>(size, bytes_.size() - offset);
    std::memcpy(data, bytes_.data() + offset, count);
    return count;
}

std::size_t ArchiveRangeSource::Read(std::uint8_t* data, std::size_t size) {
    const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(size, left_));
    if (wanted == 0) return 0;
    const std::size_t got = input_.ReadAt(offset_, data, wanted);
    offset_ += got;
    left_ -= got;
    return got;
}

}  // namespace vantaro::lha
