#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "lha/ByteStream.h"
#include "lha/LhaHeader.h"

namespace vantaro::test {

// Bytes of a fixture in tests/data/lha.
std::string LhaFixture(const std::string& name);
std::filesystem::path LhaFixturePath(const std::string& name);

std::uint16_t CrcOf(const std::string& bytes);

// Whether a peer tool is installed; tests that need one skip without it.
bool HavePeer(const std::string& tool);

// A member written by hand: header fields as given (packedSize and crc filled from data and text
// unless set), followed by data.
struct HandMember {
    lha::MemberHeader header;
    std::string data;
};
// A member holding text packed with method ("-lh0-" stores it, "-lh5-" packs it).
HandMember MemberOf(const std::string& name, const std::string& text, const std::string& method = "-lh0-",
                    int level = 1);
// The archive of the members and the end byte.
std::string ArchiveOf(const std::vector<HandMember>& members);

// Gives its bytes in pieces of the sizes listed, in turn, as a slow file or pipe would.
class TrickleSource final : public lha::ByteSource {
public:
    TrickleSource(std::string_view bytes, std::vector<std::size_t> pieces)
        : bytes_(bytes), pieces_(std::move(pieces)) {}
    std::size_t Read(std::uint8_t* data, std::size_t size) override;

private:
    std::string_view bytes_;
    std::vector<std::size_t> pieces_;
    std::size_t next_ = 0;
    std::size_t position_ = 0;
};

// Recomputes the level 0/1 header checksum of the first header after bytes were changed.
void FixChecksum(std::string& archive);

}  // namespace vantaro::test
