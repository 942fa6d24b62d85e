#pragma once

#include <cstdint>
#include <string_view>

#include "lha/BinaryFile.h"
#include "lha/ByteStream.h"

namespace vantaro::lha {

// An archive read at any offset: a file or a block of memory.
class ArchiveInput {
public:
    virtual ~ArchiveInput() = default;
    virtual std::uint64_t Size() = 0;
    // Reads up to size bytes at offset; fewer only at the end.
    virtual std::size_t ReadAt(std::uint64_t offset, void* data, std::size_t size) = 0;
};

class FileArchiveInput final : public ArchiveInput {
public:
    explicit FileArchiveInput(BinaryFile& file) : file_(file), size_(file.Size()) {}
    std::uint64_t Size() override { return size_; }
    std::size_t ReadAt(std::uint64_t offset, void* data, std::size_t size) override;

private:
    BinaryFile& file_;
    std::uint64_t size_;
    std::uint64_t position_ = 0;  // where the file stands, to spare seeks on sequential reads
};

class MemoryArchiveInput final : public ArchiveInput {
public:
    explicit MemoryArchiveInput(std::string_view bytes) : bytes_(bytes) {}
    std::uint64_t Size() override { return bytes_.size(); }
    std::size_t ReadAt(std::uint64_t offset, void* data, std::size_t size) override;

private:
    std::string_view bytes_;
};

// The bytes [offset, offset + size) of an archive, read in order.
class ArchiveRangeSource final : public ByteSource {
public:
    ArchiveRangeSource(ArchiveInput& input, std::uint64_t offset, std::uint64_t size)
        : input_(input), offset_(offset), left_(size) {}
    std::size_t Read(std::uint8_t* data, std::size_t size) override;

private:
    ArchiveInput& input_;
    std::uint64_t offset_;
    std::uint64_t left_;
};

}  // namespace vantaro::lha
