#include "lha/BitWriter.h"

#include "lha/LhaErrors.h"

namespace vantaro::lha {
namespace {

constexpr std::size_t kBufferSize = 64 * 1024;
constexpr std::size_t kWordSize = 4;

}  // namespace

BitWriter::BitWriter(ByteSink& sink, std::uint64_t budget)
    : sink_(sink), budget_(budget), buffer_(new std::uint8_t[kBufferSize + kWordSize]) {
    next_ = buffer_.get();
    limit_ = next_ + kBufferSize;
}

void BitWriter::Flush() {
    const auto size = static_cast<std::size_t>(next_ - buffer_.get());
    if (written_ + size > budget_) throw ECompLHACannotCompress();
    sink_.Write(buffer_.get(), size);
    written_ += size;
    next_ = buffer_.get();
}

void BitWriter::Finish() {
    while (count_ > 0) {
        *next_++ = static_cast<std::uint8_t>(bits_ >> 56);
        bits_ <<= 8;
        count_ = count_ > 8 ? count_ - 8 : 0;
    }
    Flush();
}

}  // namespace vantaro::lha
