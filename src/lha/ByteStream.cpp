#include "lha/ByteStream.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "lha/Crc16.h"

namespace vantaro::lha {

std::size_t MemorySource::Read(std::uint8_t* data, std::size_t size) {
    const std::size_t count = std::min(size, size_ - position_);
    if (count > 0) std::memcpy(data, data_ + position_, count);
    position_ += count;
    return count;
}

CopyResult CopyWithCrc(ByteSource& input, std::uint64_t limit, ByteSink& output, std::uint64_t total,
                       const ProgressCallback& progress) {
    const auto buffer = std::make_unique_for_overwrite<std::uint8_t[]>(kCopyBufferSize);
    Crc16 crc;
    std::uint64_t done = 0;
    while (done < limit) {
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(kCopyBufferSize, limit - done));
        const std::size_t got = input.Read(buffer.get(), wanted);
        if (got == 0) break;
        crc.Update(buffer.get(), got);
        output.Write(buffer.get(), got);
        done += got;
        if (progress) progress(done, total);
    }
    return {done, crc.Value()};
}

}  // namespace vantaro::lha
