#pragma once

#include <cstdint>
#include <string>

#include "lha/ByteStream.h"

namespace vantaro::lha {

// Where an archive is written: at any offset, since a member's header is written again once its
// data is packed. Write failures raise EFileWriteFailed (BinaryFile.h).
class ArchiveOutput {
public:
    virtual ~ArchiveOutput() = default;
    virtual void Seek(std::uint64_t offset) = 0;
    virtual void Write(const void* data, std::size_t size) = 0;
};

// An archive built in a string the caller keeps alive.
class StringArchiveOutput final : public ArchiveOutput {
public:
    explicit StringArchiveOutput(std::string& bytes) : bytes_(bytes) {}
    void Seek(std::uint64_t offset) override { position_ = static_cast<std::size_t>(offset); }
    void Write(const void* data, std::size_t size) override;

private:
    std::string& bytes_;
    std::size_t position_ = 0;
};

// The output's bytes from where it stands, as a sink for the packers.
class ArchiveOutputSink final : public ByteSink {
public:
    explicit ArchiveOutputSink(ArchiveOutput& output) : output_(output) {}
    void Write(const std::uint8_t* data, std::size_t size) override { output_.Write(data, size); }

private:
    ArchiveOutput& output_;
};

}  // namespace vantaro::lha
