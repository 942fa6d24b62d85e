#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>

#include "lha/ArchiveInput.h"
#include "lha/ArchiveOutput.h"
#include "lha/BinaryFile.h"
#include "lha/ByteStream.h"
#include "lha/LhaHeader.h"
#include "lha/LhaMethods.h"

namespace vantaro::lha {

// The data of a new member. Restart gives a source at the data's start: packing reads it a
// second time when the member has to be stored instead.
class MemberData {
public:
    virtual ~MemberData() = default;
    virtual std::uint64_t Size() const = 0;
    virtual ByteSource& Restart() = 0;
};

class FileMemberData final : public MemberData {
public:
    explicit FileMemberData(const std::filesystem::path& path);
    std::uint64_t Size() const override { return size_; }
    ByteSource& Restart() override;

private:
    BinaryFile file_;
    FileSource source_;
    std::uint64_t size_;
};

class TextMemberData final : public MemberData {
public:
    explicit TextMemberData(std::string_view text) : source_(text), size_(text.size()) {}
    std::uint64_t Size() const override { return size_; }
    ByteSource& Restart() override {
        source_.Rewind();
        return source_;
    }

private:
    MemorySource source_;
    std::uint64_t size_;
};

// The MS-DOS time stamp and attributes a file gives its member: the archive bit, and read-only
// when the owner may not write it. A file whose time cannot be read is stamped now.
struct FileStamp {
    std::uint32_t dosTime = 0;
    std::uint8_t attributes = kArchiveAttribute;
};
FileStamp StampOf(const std::filesystem::path& path);
FileStamp StampOfNow();

// Writes one member at offset in out and returns the offset after it: a header with zero sizes
// reserves the place, the data is packed with method, and the header is written again with the
// real method, sizes and CRC. When packing does not pay the data is read again and stored
// (-lh0-) over what was written. header supplies level, name, time stamp and attributes.
std::uint64_t WriteMember(ArchiveOutput& out, std::uint64_t offset, MemberHeader header, MemberData& data,
                          TCompLHAMethod method, const ProgressCallback& progress);

// Copies a member of another archive, header and data unchanged; returns the offset after it.
std::uint64_t CopyMember(ArchiveInput& from, const MemberHeader& header, ArchiveOutput& out,
                         std::uint64_t offset);

// Writes the end byte 0 at offset.
void WriteArchiveEnd(ArchiveOutput& out, std::uint64_t offset);

}  // namespace vantaro::lha
