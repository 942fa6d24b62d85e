#include "lha/ArchiveOutput.h"

namespace vantaro::lha {

void StringArchiveOutput::Write(const void* data, std::size_t size) {
    if (bytes_.size() < position_ + size) bytes_.resize(position_ + size);
    bytes_.replace(position_, size, static_cast<const char*>(data), size);
    position_ += size;
}

}  // namespace vantaro::lha
