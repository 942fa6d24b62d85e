#include "lha/OutputWindow.h"

#include <cstring>

namespace vantaro::lha {

OutputWindow::OutputWindow(ByteSink& sink, std::uint64_t total, const ProgressCallback& progress)
    : sink_(sink),
      total_(total),
      progress_(progress),
      buffer_(new std::uint8_t[kHistory + kChunk + kSlack]) {
    std::memset(buffer_.get(), ' ', kHistory);
}

void OutputWindow::Flush() {
    const std::size_t fresh = position_ - kHistory;
    if (fresh == 0) return;
    std::uint8_t* const start = buffer_.get() + kHistory;
    crc_.Update(start, fresh);
    sink_.Write(start, fresh);
    std::memmove(buffer_.get(), buffer_.get() + position_ - kHistory, kHistory);
    position_ = kHistory;
    done_ += fresh;
    if (progress_) progress_(done_, total_);
}

}  // namespace vantaro::lha
