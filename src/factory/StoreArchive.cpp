#include "factory/StoreArchive.h"

#include <cstdint>

#include "lha/ArchiveInput.h"
#include "lha/LhaArchiveReader.h"
#include "lha/TCompLHA.h"

namespace vantaro {
namespace {

// The archiver as the data store uses it: level 1 headers, -lh5- (stored as -lh0- when packing
// does not pay), member names without their folder.
TCompLHA StoreArchiver(const lha::ProgressCallback& progress) {
    TCompLHA archiver;
    archiver.SetArchiveType(caLHA);
    archiver.SetCompressionMethod(colh5);
    archiver.SetStorePath(false);
    archiver.SetOnProgress(progress);
    return archiver;
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

}  // namespace

bool IsStoreArchive(std::string_view bytes) { return TCompLHA::IsArchiveData(bytes); }

std::string PackStoreText(std::string_view text, const lha::ProgressCallback& progress) {
    return StoreArchiver(progress).PackTextToArchiveData(text, kStoreMemberName);
}

std::optional<std::string> UnpackStoreText(std::string_view archive, const lha::ProgressCallback& progress) {
    return StoreArchiver(progress).ExtractTextFromArchiveData(archive, kStoreMemberName);
}

bool StoreArchiveHolds(std::string_view archive, std::string_view text, const lha::ProgressCallback& progress) {
    lha::MemoryArchiveInput input(archive);
    const std::optional<lha::MemberHeader> header = lha::FindMember(input, kStoreMemberName);
    if (!header) return false;
    ComparingSink sink(text);
    lha::UnpackMember(input, *header, sink, progress);
    return sink.Same();
}

}  // namespace vantaro
