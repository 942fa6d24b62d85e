#pragma once

// LHA archive layout: the members one after another, each a header followed by its packed data,
// then a single byte 0. All numbers are little-endian.
//
// Level 0 header (h = 22 + n, written for the LHARC archive type):
//   0 h: bytes from offset 2 to the end of the header   1 checksum: sum of those bytes mod 256
//   2 method "-lh5-" (5)   7 packed size (4)   11 unpacked size (4)   15 MS-DOS time (4)
//   19 attributes   20 level 0   21 name length n   22 name (n)   22+n CRC-16 of the data (2)
// Level 1 header (h = 25 + n at least; what we write):
//   as level 0 up to the CRC, but 19 holds 0x20 and 20 holds 1; then
//   24+n operating system ("M" written; any read)   h..h+1 size of the first extended header
//   The extended headers follow the base header and count in the packed size.
// Level 2 header (read only):
//   0 total header size (2), extended headers included   2 method   7 packed size (data only)
//   11 unpacked size   15 Unix time (4)   19 reserved   20 level 2   21 CRC (2)   23 OS
//   24 size of the first extended header (2)   26 the extended headers
// Extended header of size s (s >= 3): type (1), s - 3 bytes of data, size of the next one (2;
// 0 ends the chain). Types used: 0x00 common (level 2: CRC-16 of the whole header, taken with this
// field zero), 0x01 file name, 0x02 directory (0xFF separates its parts), 0x40 MS-DOS attributes
// (2 bytes). Other types (Unix permissions and times, comments, ...) are skipped.
// Bit 7 of the level byte marks an encrypted member.

#include <cstdint>
#include <optional>
#include <string>

#include "lha/ArchiveInput.h"

namespace vantaro::lha {

constexpr std::uint8_t kReadOnlyAttribute = 0x01;
constexpr std::uint8_t kArchiveAttribute = 0x20;
constexpr std::uint8_t kDosAttributeMask = 0x7F;
constexpr char kMemberSeparator = '\\';
constexpr std::size_t kMinimumHeaderBytes = 22;  // up to the name length of levels 0 and 1

struct MemberHeader {
    int level = 1;
    bool encrypted = false;
    std::string method;             // the five-character identifier, e.g. "-lh5-"
    std::uint64_t packedSize = 0;   // the packed data alone, without extended headers
    std::uint32_t unpackedSize = 0;
    std::uint32_t timeStamp = 0;    // MS-DOS local time, or Unix seconds when unixTime
    bool unixTime = false;
    std::uint8_t attributes = kArchiveAttribute;
    std::uint16_t crc = 0;          // of the unpacked data
    std::uint8_t os = 'M';
    std::string name;               // directory parts end in '\', then the file name

    // Where the member lies in the archive (set by ReadMemberHeader).
    std::uint64_t headerOffset = 0;
    std::uint64_t dataOffset = 0;
    std::uint64_t End() const { return dataOffset + packedSize; }
};

// Reads the header at offset. Returns nothing at the end of the archive: no bytes left, or the
// end byte 0. Raises ECompLHABadChecksum, ECompLHABadHeaderLevel, ECompLHABadExtendedHeader (also
// for a header cut short by the end of the archive) and ECompLHABadCRC (packed data running past
// the end of the archive).
std::optional<MemberHeader> ReadMemberHeader(ArchiveInput& input, std::uint64_t offset);

// True when the archive starts with a member header: at level 0 or 1 a complete base header
// with the right checksum, at level 2 a complete header whose CRC is right. What follows the base
// header (extended headers, the data) is not examined: damage there is a damaged archive.
bool StartsWithMemberHeader(ArchiveInput& input);

// The level 0 or level 1 header for the member (header.packedSize is the data's size; the level-1
// attribute header is added to the packed-size field). A name with '\' separators keeps its
// directory: in the name at level 0, in a directory header at level 1. Raises ECompLHANameTooLong.
std::string EncodeMemberHeader(const MemberHeader& header);

}  // namespace vantaro::lha
