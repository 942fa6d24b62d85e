#include "factory/StoreArchive.h"

#include <algorithm>
#include <cstdint>

#include "lha/ArchiveInput.h"
#include "lha/LhaArchiveReader.h"
#include "lha/LhaArchiveWriter.h"
#include "lha/LhaErrors.h"
#include "lha/LhaHeader.h"
#include "lha/LhaMethods.h"
#include "lha/MemberNames.h"

namespace vantaro {
namespace {

constexpr char kArchiveEnd = '\0';

// Packs the text after the header into out; falls back to storing it when packing does not pay.
PackResult PackData(std::string_view text, std::string& out, TCompLHAMethod& method,
                         const lha::ProgressCallback& progress) {
    const std::size_t dataStart = out.size();
    lha::StringSink sink(out);
    lha::MemorySource source(text);
    try {
        return PackStream(source, text.size(), sink, method, progress);
    } catch (const ECompLHACannotCompress&) {
        out.resize(dataStart);
        source.Rewind();
        method = TCompLHAMethod::Lh0;
        return PackStream(source, text.size(), sink, method, progress);
    }
}

// Takes unpacked bytes and compares them with the expected text as they come.
class ComparingSink final : public lha::ByteSink {
public:
    explicit ComparingSink(std::string_view expected) : expected_(expected) {}
    void Write(const std::uint8_t* data, std::size_t size) override {
        const std::string_view bytes(reinterpret_cast<const char*>(data), size);
        same_ = same_ && size <= expected_.size() - done_ && expected_.substr(done_, size) == bytes;
        if (same_) done_ += size;
    }
    bool Same() const { return same_ && done_ == expected_.size(); }

private:
    std::string_view expected_;
    std::size_t done_ = 0;
    bool same_ = true;
};

// Calls take with the header of the member "Vantaro.xml"; false when there is none.
template <class Take>
bool WithStoreMember(lha::ArchiveInput& input, Take take) {
    bool found = false;
    lha::ForEachMember(input, [&](const lha::MemberHeader& header) {
        if (lha::IsDirectoryEntry(header) || !lha::MemberSelected(header.name, {kStoreMemberName})) return true;
        take(header);
        found = true;
        return false;
    });
    return found;
}

}  // namespace

bool IsStoreArchive(std::string_view bytes) {
    lha::MemoryArchiveInput input(bytes);
    return lha::StartsWithMemberHeader(input);
}

std::string PackStoreText(std::string_view text, const lha::ProgressCallback& progress) {
    if (text.size() > UINT32_MAX) throw ECompLHAFileTooLarge(kStoreMemberName);
    lha::MemberHeader header;
    header.level = 1;
    header.name = kStoreMemberName;
    const lha::FileStamp stamp = lha::StampOfNow();
    header.timeStamp = stamp.dosTime;
    header.attributes = stamp.attributes;
    header.method = MethodIdentifier(TCompLHAMethod::Lh5);

    // The header's length does not depend on its sizes and CRC: reserve it, fill it in after.
    const std::size_t headerSize = lha::EncodeMemberHeader(header).size();
    std::string archive(headerSize, '\0');
    archive.reserve(headerSize + text.size() / 4 + 1);
    TCompLHAMethod method = TCompLHAMethod::Lh5;
    const PackResult packed = PackData(text, archive, method, progress);

    header.method = MethodIdentifier(method);
    header.packedSize = packed.packedSize;
    header.unpackedSize = static_cast<std::uint32_t>(packed.unpackedSize);
    header.crc = packed.crc;
    const std::string encoded = lha::EncodeMemberHeader(header);
    std::copy(encoded.begin(), encoded.end(), archive.begin());
    archive += kArchiveEnd;
    return archive;
}

std::optional<std::string> UnpackStoreText(std::string_view archive, const lha::ProgressCallback& progress) {
    lha::MemoryArchiveInput input(archive);
    std::optional<std::string> text;
    WithStoreMember(input, [&](const lha::MemberHeader& header) {
        std::string bytes;
        // The header's size is untrusted: never reserve more than the packed data can give.
        bytes.reserve(std::min<std::uint64_t>(header.unpackedSize, archive.size() * 64));
        lha::StringSink sink(bytes);
        lha::UnpackMember(input, header, sink, progress);
        text = std::move(bytes);
    });
    return text;
}

bool StoreArchiveHolds(std::string_view archive, std::string_view text, const lha::ProgressCallback& progress) {
    lha::MemoryArchiveInput input(archive);
    bool same = false;
    WithStoreMember(input, [&](const lha::MemberHeader& header) {
        ComparingSink sink(text);
        lha::UnpackMember(input, header, sink, progress);
        same = sink.Same();
    });
    return same;
}

}  // namespace vantaro
