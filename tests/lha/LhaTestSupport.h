#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

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

// Recomputes the level 0/1 header checksum of the first header after bytes were changed.
void FixChecksum(std::string& archive);

}  // namespace vantaro::test
