#include "lha/LhaArchiveReader.h"

#include <string>
#include <vector>

#include "lha/DosTime.h"
#include "lha/LhaErrors.h"
#include "lha/LhaMethods.h"
#include "lha/MemberNames.h"

namespace vantaro::lha {
namespace {

constexpr std::string_view kDirectoryMethod = "-lhd-";
constexpr std::string_view kPartialSuffix = ".$$$";

void ApplyStamp(const std::filesystem::path& path, const MemberHeader& header) {
    namespace fs = std::filesystem;
    const auto time = header.unixTime ? std::chrono::system_clock::from_time_t(header.timeStamp)
                                      : FromDosTime(header.timeStamp);
    std::error_code ignored;  // a file system without time stamps or permissions keeps its own
    fs::last_write_time(path, std::chrono::file_clock::from_sys(time), ignored);
    if (header.attributes & kReadOnlyAttribute)
        fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove, ignored);
}

}  // namespace

void ForEachMember(ArchiveInput& input, const std::function<bool(const MemberHeader&)>& visit) {
    std::uint64_t offset = 0;
    while (const std::optional<MemberHeader> header = ReadMemberHeader(input, offset)) {
        if (!visit(*header)) return;
        offset = header->End();
    }
}

bool IsDirectoryEntry(const MemberHeader& header) { return header.method == kDirectoryMethod; }

std::optional<MemberHeader> FindMember(ArchiveInput& input, std::string_view name) {
    const std::vector<std::string> entries{std::string(name)};
    std::optional<MemberHeader> found;
    ForEachMember(input, [&](const MemberHeader& header) {
        if (IsDirectoryEntry(header) || !MemberSelected(header.name, entries)) return true;
        found = header;
        return false;
    });
    return found;
}

void UnpackMember(ArchiveInput& input, const MemberHeader& header, ByteSink& sink,
                  const ProgressCallback& progress) {
    const std::optional<TCompLHAMethod> method = MethodFromIdentifier(header.method);
    if (!method) throw ECompLHABadMethod(header.method);
    if (header.encrypted) throw ECompLHAEncrypted();
    ArchiveRangeSource data(input, header.dataOffset, header.packedSize);
    const std::uint16_t crc = UnpackStream(data, header.packedSize, header.unpackedSize, sink, *method, progress);
    if (crc != header.crc) throw ECompLHABadCRC();
}

void UnpackMemberToFile(ArchiveInput& input, const MemberHeader& header,
                        const std::filesystem::path& output, const ProgressCallback& progress) {
    std::filesystem::path partial = output;
    partial += kPartialSuffix;
    try {
        {
            BinaryFile file(partial, BinaryFile::Mode::Create);
            ArchiveOutputSink sink(file);
            UnpackMember(input, header, sink, progress);
            file.Close();
        }
        std::filesystem::rename(partial, output);
    } catch (const std::filesystem::filesystem_error&) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        throw EInOutError("Cannot write file " + output.string());
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove(partial, ignored);
        throw;
    }
    ApplyStamp(output, header);
}

}  // namespace vantaro::lha
