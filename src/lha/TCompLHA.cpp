#include "lha/TCompLHA.h"

#include <algorithm>
#include <filesystem>

#include "lha/ArchiveInput.h"
#include "lha/BinaryFile.h"
#include "lha/LhaArchiveReader.h"
#include "lha/LhaArchiveWriter.h"
#include "lha/LhaErrors.h"
#include "lha/MemberNames.h"
#include "routines/TextBasics.h"

namespace vantaro {
namespace {

namespace fs = std::filesystem;
using lha::MemberHeader;

constexpr std::string_view kNewArchiveExtension = ".$$$";
constexpr std::uint64_t kMemoryReserveLimit = 64 * 1024 * 1024;
constexpr std::uint64_t kLargestExpansion = 64;  // a generous ratio for text; more still fits, growing

bool HasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

bool SamePath(const fs::path& a, const fs::path& b) {
    std::error_code ignored;
    return fs::weakly_canonical(a, ignored) == fs::weakly_canonical(b, ignored);
}

// The files of the list that exist, with wildcard names expanded in name order.
std::vector<fs::path> ExistingFiles(const std::vector<std::string>& names) {
    std::vector<fs::path> files;
    for (const std::string& name : names) {
        const fs::path path(name);
        std::error_code error;
        if (!HasWildcard(path.filename().string())) {
            if (fs::is_regular_file(path, error)) files.push_back(path);
            continue;
        }
        const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
        std::vector<fs::path> matches;
        for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error))
            if (entry->is_regular_file(error) &&
                lha::WildcardMatch(path.filename().string(), entry->path().filename().string()))
                matches.push_back(path.has_parent_path() ? folder / entry->path().filename()
                                                         : entry->path().filename());
        std::sort(matches.begin(), matches.end());
        files.insert(files.end(), matches.begin(), matches.end());
    }
    return files;
}

bool ContainsName(const std::vector<std::string>& names, const std::string& name) {
    const std::string upper = UpperCase(name);
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& other) { return UpperCase(other) == upper; });
}

void RemoveQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// Which part of CompressFiles was writing when a write failed.
enum class WritePhase { NewMembers, OldMembers };

[[noreturn]] void RaiseWriteFailure(WritePhase phase) {
    if (phase == WritePhase::OldMembers) throw ECompLHACopyFailed();
    throw ECompLHAWriteFailed();
}

}  // namespace

std::string TCompLHA::MemberNameFor(const std::string& path) const {
    const fs::path file(path);
    std::string name = file.filename().string();
    if (storePath_) {
        std::string directory;
        for (const fs::path& part : file.relative_path().parent_path())
            if (part != "." && part != "..") directory += part.string() + lha::kMemberSeparator;
        name = directory + name;
    }
    return name;
}

std::string TCompLHA::StoredMemberName(const std::string& name) const {
    return forceUpperCase_ || archiveType_ == caLHARC ? UpperCase(name) : name;
}

void TCompLHA::CompressFiles(const std::string& archive, std::vector<std::string>& files, TCompLHAMethod method) {
    const fs::path archivePath(archive);
    const bool replacing = fs::exists(archivePath);
    const fs::path target = replacing ? fs::path(archivePath).replace_extension(kNewArchiveExtension) : archivePath;
    const std::vector<fs::path> inputs = ExistingFiles(files);
    for (const fs::path& input : inputs)
        if (SamePath(input, target)) throw ECompLHAAddToItself(target.string());

    std::vector<std::string> written;
    WritePhase phase = WritePhase::NewMembers;
    try {
        lha::BinaryFile out(target, lha::BinaryFile::Mode::Create);
        std::uint64_t offset = 0;
        for (const fs::path& input : inputs) {
            const lha::FileStamp stamp = lha::StampOf(input);
            const MemberHeader header =
                SingleMemberHeader(MemberNameFor(input.string()), stamp.dosTime, stamp.attributes);
            if (!allowDuplicates_ && ContainsName(written, header.name)) continue;
            lha::FileMemberData data(input);
            offset = lha::WriteMember(out, offset, header, data, method, onProgress_);
            written.push_back(header.name);
        }
        if (replacing) {
            phase = WritePhase::OldMembers;
            lha::BinaryFile old(archivePath, lha::BinaryFile::Mode::Read);
            lha::FileArchiveInput oldInput(old);
            lha::ForEachMember(oldInput, [&](const MemberHeader& member) {
                if (!ContainsName(written, member.name)) offset = lha::CopyMember(oldInput, member, out, offset);
                return true;
            });
        }
        lha::WriteArchiveEnd(out, offset);
        out.Close();
    } catch (const lha::EFileWriteFailed&) {
        RemoveQuietly(target);
        RaiseWriteFailure(phase);
    } catch (...) {
        RemoveQuietly(target);
        throw;
    }

    if (replacing) {
        std::error_code error;
        fs::rename(target, archivePath, error);
        if (error) throw ECompLHAReplaceFailed(archive, target.string());
    }
    files = written;
}

void TCompLHA::ExpandFiles(const std::string& archive, std::vector<std::string>& names) {
    const std::vector<std::string> entries = names;
    names.clear();
    std::vector<std::string> written;
    lha::BinaryFile file(archive, lha::BinaryFile::Mode::Read);
    lha::FileArchiveInput input(file);
    lha::ForEachMember(input, [&](const MemberHeader& header) {
        if (lha::IsDirectoryEntry(header) || !lha::MemberSelected(header.name, entries)) return true;
        const std::string plainName = lha::PlainFileName(header.name);
        if (plainName.empty()) return true;
        const fs::path output = fs::path(targetPath_) / plainName;
        lha::UnpackMemberToFile(input, header, output, onProgress_);
        written.push_back(output.string());
        return true;
    });
    names = written;
}

MemberHeader TCompLHA::SingleMemberHeader(const std::string& memberName, std::uint32_t dosTime,
                                          std::uint8_t attributes) const {
    MemberHeader header;
    header.level = HeaderLevel();
    header.name = StoredMemberName(memberName);
    header.timeStamp = dosTime;
    header.attributes = attributes;
    return header;
}

TCompLHAMethod TCompLHA::PackingMethod() const {
    return compressionMethod_ == colh0 ? TCompLHAMethod::Lh0 : TCompLHAMethod::Lh5;
}

void TCompLHA::WriteSingleMember(const std::string& archive, const MemberHeader& header, lha::MemberData& data) {
    const fs::path target = fs::path(archive).replace_extension(kNewArchiveExtension);
    try {
        lha::BinaryFile out(target, lha::BinaryFile::Mode::Create);
        lha::WriteArchiveEnd(out, lha::WriteMember(out, 0, header, data, PackingMethod(), onProgress_));
        out.Close();
        fs::rename(target, archive);
    } catch (const lha::EFileWriteFailed&) {
        RemoveQuietly(target);
        throw ECompLHAWriteFailed();
    } catch (const fs::filesystem_error&) {
        RemoveQuietly(target);
        throw ECompLHAReplaceFailed(archive, target.string());
    } catch (...) {
        RemoveQuietly(target);
        throw;
    }
}

void TCompLHA::PackFile(const std::string& file, const std::string& archive, const std::string& memberName) {
    lha::FileMemberData data(file);
    const lha::FileStamp stamp = lha::StampOf(file);
    WriteSingleMember(archive, SingleMemberHeader(memberName, stamp.dosTime, stamp.attributes), data);
}

void TCompLHA::PackText(std::string_view text, const std::string& archive, const std::string& memberName) {
    lha::TextMemberData data(text);
    const lha::FileStamp stamp = lha::StampOfNow();
    WriteSingleMember(archive, SingleMemberHeader(memberName, stamp.dosTime, stamp.attributes), data);
}

std::string TCompLHA::PackTextToArchiveData(std::string_view text, const std::string& memberName) {
    lha::TextMemberData data(text);
    const lha::FileStamp stamp = lha::StampOfNow();
    std::string archive;
    archive.reserve(text.size() / 4 + 64);
    lha::StringArchiveOutput out(archive);
    lha::WriteArchiveEnd(out, lha::WriteMember(out, 0, SingleMemberHeader(memberName, stamp.dosTime, stamp.attributes),
                                                data, PackingMethod(), onProgress_));
    return archive;
}

bool TCompLHA::ExtractFile(const std::string& archive, const std::string& memberName, const std::string& outputPath) {
    lha::BinaryFile file(archive, lha::BinaryFile::Mode::Read);
    lha::FileArchiveInput input(file);
    const std::optional<MemberHeader> header = lha::FindMember(input, memberName);
    if (!header) return false;
    lha::UnpackMemberToFile(input, *header, outputPath, onProgress_);
    return true;
}

std::optional<std::string> TCompLHA::ExtractTextFrom(lha::ArchiveInput& input, const std::string& memberName) {
    const std::optional<MemberHeader> header = lha::FindMember(input, memberName);
    if (!header) return std::nullopt;
    std::string text;
    // The header's size is untrusted: reserve no more than the packed data could give.
    text.reserve(std::min<std::uint64_t>({header->unpackedSize, header->packedSize * kLargestExpansion,
                                          kMemoryReserveLimit}));
    lha::StringSink sink(text);
    lha::UnpackMember(input, *header, sink, onProgress_);
    return text;
}

std::optional<std::string> TCompLHA::ExtractText(const std::string& archive, const std::string& memberName) {
    lha::BinaryFile file(archive, lha::BinaryFile::Mode::Read);
    lha::FileArchiveInput input(file);
    return ExtractTextFrom(input, memberName);
}

std::optional<std::string> TCompLHA::ExtractTextFromArchiveData(std::string_view archive, const std::string& memberName) {
    lha::MemoryArchiveInput input(archive);
    return ExtractTextFrom(input, memberName);
}

bool TCompLHA::IsArchive(const std::string& path) {
    lha::BinaryFile file(path, lha::BinaryFile::Mode::Read);
    lha::FileArchiveInput input(file);
    return lha::StartsWithMemberHeader(input);
}

bool TCompLHA::IsArchiveData(std::string_view bytes) {
    lha::MemoryArchiveInput input(bytes);
    return lha::StartsWithMemberHeader(input);
}

}  // namespace vantaro
