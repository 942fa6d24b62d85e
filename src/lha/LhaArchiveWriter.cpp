#include "lha/LhaArchiveWriter.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "lha/DosTime.h"
#include "lha/LhaErrors.h"

namespace vantaro::lha {
namespace {

constexpr std::uint64_t kLargestMember = std::numeric_limits<std::uint32_t>::max();

}  // namespace

FileMemberData::FileMemberData(const std::filesystem::path& path)
    : file_(path, BinaryFile::Mode::Read), source_(file_), size_(file_.Size()) {}

ByteSource& FileMemberData::Restart() {
    file_.Seek(0);
    return source_;
}

FileStamp StampOf(const std::filesystem::path& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const auto modified = fs::last_write_time(path, error);
    FileStamp stamp = error ? StampOfNow() : FileStamp{ToDosTime(std::chrono::file_clock::to_sys(modified))};
    const fs::file_status status = fs::status(path, error);
    if (!error && (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        stamp.attributes |= kReadOnlyAttribute;
    return stamp;
}

FileStamp StampOfNow() {
    FileStamp stamp;
    stamp.dosTime = ToDosTime(std::chrono::system_clock::now());
    return stamp;
}

std::uint64_t WriteMember(ArchiveOutput& out, std::uint64_t offset, MemberHeader header, MemberData& data,
                          TCompLHAMethod method, const ProgressCallback& progress) {
    if (data.Size() > kLargestMember) throw ECompLHAFileTooLarge(header.name);
    header.method = MethodIdentifier(method);
    header.packedSize = header.unpackedSize = header.crc = 0;
    const std::string reserved = EncodeMemberHeader(header);
    out.Seek(offset);
    out.Write(reserved.data(), reserved.size());
    const std::uint64_t dataOffset = offset + reserved.size();

    ArchiveOutputSink sink(out);
    PackResult packed;
    try {
        packed = PackStream(data.Restart(), data.Size(), sink, method, progress);
    } catch (const ECompLHACannotCompress&) {
        out.Seek(dataOffset);
        method = TCompLHAMethod::Lh0;
        packed = PackStream(data.Restart(), data.Size(), sink, method, progress);
    }
    if (packed.unpackedSize > kLargestMember) throw ECompLHAFileTooLarge(header.name);

    header.method = MethodIdentifier(method);
    header.packedSize = packed.packedSize;
    header.unpackedSize = static_cast<std::uint32_t>(packed.unpackedSize);
    header.crc = packed.crc;
    const std::string rewritten = EncodeMemberHeader(header);
    out.Seek(offset);
    out.Write(rewritten.data(), rewritten.size());
    return dataOffset + packed.packedSize;
}

std::uint64_t CopyMember(ArchiveInput& from, const MemberHeader& header, ArchiveOutput& out,
                         std::uint64_t offset) {
    std::vector<std::uint8_t> buffer(kCopyBufferSize);
    out.Seek(offset);
    for (std::uint64_t at = header.headerOffset; at < header.End();) {
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), header.End() - at));
        const std::size_t got = from.ReadAt(at, buffer.data(), wanted);
        if (got == 0) throw ECompLHACopyFailed();
        out.Write(buffer.data(), got);
        at += got;
    }
    return offset + (header.End() - header.headerOffset);
}

void WriteArchiveEnd(ArchiveOutput& out, std::uint64_t offset) {
    const std::uint8_t end = 0;
    out.Seek(offset);
    out.Write(&end, 1);
}

}  // namespace vantaro::lha
