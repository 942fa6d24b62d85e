#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "lha/ArchiveOutput.h"
#include "lha/ByteStream.h"
#include "routines/Errors.h"

namespace vantaro::lha {

// Writing a file failed (disk full, write protected, ...); the archive component turns it into
// its own messages.
class EFileWriteFailed : public EInOutError {
public:
    using EInOutError::EInOutError;
};

// A file opened for binary reading or for writing from scratch. Failures raise EInOutError
// ("Cannot open file ...", "Cannot read file ...") or EFileWriteFailed.
class BinaryFile final : public ArchiveOutput {
public:
    enum class Mode { Read, Create };

    BinaryFile(const std::filesystem::path& path, Mode mode);
    ~BinaryFile() override;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;

    // Reads up to size bytes; fewer only at the end of the file.
    std::size_t Read(void* data, std::size_t size);
    void Write(const void* data, std::size_t size) override;
    void Seek(std::uint64_t offset) override;
    std::uint64_t Size();
    // Flushes and closes; a failure to write the last bytes is raised here.
    void Close();

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
};

class FileSource final : public ByteSource {
public:
    explicit FileSource(BinaryFile& file) : file_(file) {}
    std::size_t Read(std::uint8_t* data, std::size_t size) override { return file_.Read(data, size); }

private:
    BinaryFile& file_;
};

}  // namespace vantaro::lha
