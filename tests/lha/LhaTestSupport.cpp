#include "lha/LhaTestSupport.h"

#include <algorithm>
#include <cstdlib>

#include "lha/ByteStream.h"
#include "lha/Crc16.h"
#include "lha/Lh5Encoder.h"
#include "support/TempDir.h"

namespace vantaro::test {

std::filesystem::path LhaFixturePath(const std::string& name) {
    return std::filesystem::path(VANTARO_TEST_DATA_DIR) / "lha" / name;
}

std::string LhaFixture(const std::string& name) { return ReadFileBytes(LhaFixturePath(name)); }

std::uint16_t CrcOf(const std::string& bytes) {
    return lha::Crc16::Of(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

bool HavePeer(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

HandMember MemberOf(const std::string& name, const std::string& text, const std::string& method, int level) {
    HandMember member;
    member.header.level = level;
    member.header.name = name;
    member.header.method = method;
    member.header.unpackedSize = static_cast<std::uint32_t>(text.size());
    member.header.crc = CrcOf(text);
    member.header.timeStamp = 0x3A8A5D20;  // 10 April 2009, 11:41:00
    if (method == "-lh5-") {
        lha::MemorySource source(text);
        lha::StringSink sink(member.data);
        lha::EncodeLh5(source, text.size(), sink, UINT64_MAX, {});
    } else {
        member.data = text;
    }
    member.header.packedSize = member.data.size();
    return member;
}

std::string ArchiveOf(const std::vector<HandMember>& members) {
    std::string archive;
    for (const HandMember& member : members) archive += lha::EncodeMemberHeader(member.header) + member.data;
    return archive + '\0';
}

std::size_t TrickleSource::Read(std::uint8_t* data, std::size_t size) {
    const std::size_t piece = pieces_[next_++ % pieces_.size()];
    const std::size_t count = std::min({size, piece, bytes_.size() - position_});
    std::copy_n(bytes_.data() + position_, count, data);
    position_ += count;
    return count;
}

void FixChecksum(std::string& archive) {
    const std::size_t size = static_cast<unsigned char>(archive[0]);
    unsigned sum = 0;
    for (std::size_t i = 2; i < 2 + size; ++i) sum += static_cast<unsigned char>(archive[i]);
    archive[1] = static_cast<char>(sum & 0xFF);
}

}  // namespace vantaro::test
