#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vantaro::lha {

// Reports the bytes done out of the total after each buffer a packer or unpacker fills or empties,
// so a progress window can repaint while the work runs on the caller's thread.
using ProgressCallback = std::function<void(std::uint64_t done, std::uint64_t total)>;

// The buffer size for copying data through unchanged.
inline constexpr std::size_t kCopyBufferSize = 64 * 1024;

// Where packers and unpackers read from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to size bytes into data and returns how many were read; 0 only at the end.
    virtual std::size_t Read(std::uint8_t* data, std::size_t size) = 0;
};

// Where packers and unpackers write to. Write either takes every byte or throws.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Write(const std::uint8_t* data, std::size_t size) = 0;
};

// Reads a block of memory the caller keeps alive.
class MemorySource final : public ByteSource {
public:
    MemorySource(const void* data, std::size_t size)
        : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}
    explicit MemorySource(std::string_view bytes) : MemorySource(bytes.data(), bytes.size()) {}

    std::size_t Read(std::uint8_t* data, std::size_t size) override;
    void Rewind() { position_ = 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

// Appends to a string the caller keeps alive.
class StringSink final : public ByteSink {
public:
    explicit StringSink(std::string& bytes) : bytes_(bytes) {}
    void Write(const std::uint8_t* data, std::size_t size) override {
        bytes_.append(reinterpret_cast<const char*>(data), size);
    }

private:
    std::string& bytes_;
};

// Takes the bytes and keeps only their count.
class CountingSink final : public ByteSink {
public:
    void Write(const std::uint8_t*, std::size_t size) override { count_ += size; }
    std::uint64_t Count() const { return count_; }

private:
    std::uint64_t count_ = 0;
};

struct CopyResult {
    std::uint64_t size = 0;  // bytes copied
    std::uint16_t crc = 0;   // LHA CRC-16 of those bytes
};

// Copies up to limit bytes from input to output, fewer when the input ends first, reporting
// progress as bytes copied out of total.
CopyResult CopyWithCrc(ByteSource& input, std::uint64_t limit, ByteSink& output, std::uint64_t total,
                       const ProgressCallback& progress);

}  // namespace vantaro::lha
