#include "lha/LhaHeader.h"

#include <algorithm>
#include <vector>

#include "lha/Crc16.h"
#include "lha/LhaErrors.h"

namespace vantaro::lha {
namespace {

// Offsets shared by every level.
constexpr std::size_t kSizeOffset = 0;
constexpr std::size_t kChecksumOffset = 1;
constexpr std::size_t kMethodOffset = 2;
constexpr std::size_t kMethodLength = 5;
constexpr std::size_t kPackedSizeOffset = 7;
constexpr std::size_t kUnpackedSizeOffset = 11;
constexpr std::size_t kTimeOffset = 15;
constexpr std::size_t kAttributeOffset = 19;
constexpr std::size_t kLevelOffset = 20;
constexpr std::size_t kNameLengthOffset = 21;
constexpr std::size_t kNameOffset = 22;
constexpr std::size_t kChecksumStart = 2;  // levels 0 and 1: checksum and size count from here
// Level 2.
constexpr std::size_t kLevel2CrcOffset = 21;
constexpr std::size_t kLevel2OsOffset = 23;
constexpr std::size_t kLevel2FirstExtensionOffset = 24;
constexpr std::size_t kLevel2BaseSize = 26;

constexpr std::uint8_t kLevelMask = 0x7F;
constexpr std::uint8_t kEncryptedFlag = 0x80;
constexpr std::uint8_t kMsDosOs = 'M';
constexpr std::uint8_t kReservedLevel1 = 0x20;
constexpr std::size_t kMaxHeaderSize = 0xFF;  // the one-byte size field of levels 0 and 1
constexpr std::size_t kLevel0Fixed = kNameOffset + 2 - kChecksumStart;      // 22 with the CRC
constexpr std::size_t kLevel1Fixed = kNameOffset + 2 + 1 + 2 - kChecksumStart;  // 25: + OS, ext size

constexpr std::uint8_t kCommonExtension = 0x00;
constexpr std::uint8_t kNameExtension = 0x01;
constexpr std::uint8_t kDirectoryExtension = 0x02;
constexpr std::uint8_t kAttributeExtension = 0x40;
constexpr std::size_t kExtensionOverhead = 3;  // type and next size
constexpr std::uint8_t kDirectorySeparator = 0xFF;

std::uint32_t Get16(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0] | p[1] << 8); }
std::uint32_t Get32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void Put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8 & 0xFF);
}
void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::vector<std::uint8_t> ReadExactly(ArchiveInput& input, std::uint64_t offset, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    if (input.ReadAt(offset, bytes.data(), size) != size) throw ECompLHABadExtendedHeader();
    return bytes;
}

unsigned Checksum(const std::uint8_t* bytes, std::size_t size) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i) sum += bytes[i];
    return sum & 0xFF;
}

// What the extended headers say about a member.
struct Extensions {
    std::optional<std::string> name;
    std::string directory;
    std::optional<std::uint8_t> attributes;
    std::optional<std::size_t> commonCrcOffset;  // level 2: offset of the header CRC in the header
};

void ApplyExtension(const std::uint8_t* extension, std::size_t size, Extensions& found) {
    const std::uint8_t type = extension[0];
    const std::uint8_t* const data = extension + 1;
    const std::size_t length = size - kExtensionOverhead;
    if (type == kNameExtension) {
        found.name.emplace(reinterpret_cast<const char*>(data), length);
    } else if (type == kDirectoryExtension) {
        std::string directory(reinterpret_cast<const char*>(data), length);
        std::replace(directory.begin(), directory.end(), static_cast<char>(kDirectorySeparator),
                     kMemberSeparator);
        if (!directory.empty() && directory.back() != kMemberSeparator) directory += kMemberSeparator;
        found.directory = directory;
    } else if (type == kAttributeExtension && length >= 1) {
        found.attributes = data[0];
    }
}

// Level 1: extended headers follow the base header in the archive and count in the packed size.
std::uint64_t ReadLevel1Extensions(ArchiveInput& input, std::uint64_t offset, std::uint32_t firstSize,
                                   std::uint64_t packedSize, Extensions& found) {
    std::uint64_t total = 0;
    for (std::uint32_t size = firstSize; size != 0;) {
        if (size < kExtensionOverhead || size > packedSize - total) throw ECompLHABadExtendedHeader();
        const std::vector<std::uint8_t> extension = ReadExactly(input, offset + total, size);
        ApplyExtension(extension.data(), size, found);
        total += size;
        size = Get16(extension.data() + size - 2);
    }
    return total;
}

// Level 2: extended headers lie inside the header's own total size.
void ReadLevel2Extensions(const std::vector<std::uint8_t>& header, Extensions& found) {
    std::size_t position = kLevel2BaseSize;
    for (std::size_t size = Get16(header.data() + kLevel2FirstExtensionOffset); size != 0;) {
        if (size < kExtensionOverhead || size > header.size() - position) throw ECompLHABadExtendedHeader();
        if (header[position] == kCommonExtension && size >= kExtensionOverhead + 2)
            found.commonCrcOffset = position + 1;
        ApplyExtension(header.data() + position, size, found);
        position += size;
        size = Get16(header.data() + position - 2);
    }
}

void FillBaseFields(const std::uint8_t* base, MemberHeader& header) {
    header.method.assign(reinterpret_cast<const char*>(base + kMethodOffset), kMethodLength);
    header.packedSize = Get32(base + kPackedSizeOffset);
    header.unpackedSize = Get32(base + kUnpackedSizeOffset);
    header.timeStamp = Get32(base + kTimeOffset);
    header.level = base[kLevelOffset] & kLevelMask;
    header.encrypted = (base[kLevelOffset] & kEncryptedFlag) != 0;
}

void ReadLevel01(ArchiveInput& input, std::uint64_t offset, const std::uint8_t* start, MemberHeader& header) {
    const std::size_t size = start[kSizeOffset];
    const std::vector<std::uint8_t> bytes = ReadExactly(input, offset, kChecksumStart + size);
    const unsigned checksum = Checksum(bytes.data() + kChecksumStart, size);
    if (checksum != bytes[kChecksumOffset]) throw ECompLHABadChecksum(header.level, checksum);
    if (header.level > 1) throw ECompLHABadHeaderLevel(header.level);

    const std::size_t nameLength = start[kNameLengthOffset];
    const std::size_t fixed = header.level == 0 ? kLevel0Fixed : kLevel1Fixed;
    if (nameLength + fixed > size) throw ECompLHABadExtendedHeader();  // fields past the header's end
    header.name.assign(reinterpret_cast<const char*>(bytes.data() + kNameOffset), nameLength);
    header.crc = static_cast<std::uint16_t>(Get16(bytes.data() + kNameOffset + nameLength));
    header.dataOffset = offset + bytes.size();
    if (header.level == 0) {
        header.attributes = bytes[kAttributeOffset];
        header.os = kMsDosOs;
        return;
    }
    header.os = bytes[kNameOffset + nameLength + 2];
    Extensions found;
    const std::uint64_t extensions =
        ReadLevel1Extensions(input, header.dataOffset, Get16(bytes.data() + size), header.packedSize, found);
    header.packedSize -= extensions;
    header.dataOffset += extensions;
    header.name = found.directory + found.name.value_or(header.name);
    header.attributes = found.attributes.value_or(kArchiveAttribute);
}

void ReadLevel2(ArchiveInput& input, std::uint64_t offset, const std::uint8_t* start, MemberHeader& header) {
    const std::size_t size = Get16(start + kSizeOffset);
    if (size < kLevel2BaseSize) throw ECompLHABadExtendedHeader();
    std::vector<std::uint8_t> bytes = ReadExactly(input, offset, size);
    Extensions found;
    ReadLevel2Extensions(bytes, found);
    if (found.commonCrcOffset) {
        const std::size_t at = *found.commonCrcOffset;
        const std::uint32_t stored = Get16(bytes.data() + at);
        bytes[at] = bytes[at + 1] = 0;
        const std::uint16_t computed = Crc16::Of(bytes.data(), bytes.size());
        if (computed != stored) throw ECompLHABadChecksum(header.level, computed);
    }
    header.crc = static_cast<std::uint16_t>(Get16(bytes.data() + kLevel2CrcOffset));
    header.os = bytes[kLevel2OsOffset];
    header.unixTime = true;
    header.name = found.directory + found.name.value_or(std::string());
    header.attributes = found.attributes.value_or(kArchiveAttribute);
    header.dataOffset = offset + size;
}

}  // namespace

std::optional<MemberHeader> ReadMemberHeader(ArchiveInput& input, std::uint64_t offset) {
    const std::uint64_t archiveSize = input.Size();
    std::uint8_t start[kMinimumHeaderBytes];
    const std::size_t got = input.ReadAt(offset, start, sizeof start);
    if (got == 0 || start[kSizeOffset] == 0) return std::nullopt;
    if (got < sizeof start) throw ECompLHABadExtendedHeader();

    MemberHeader header;
    header.headerOffset = offset;
    FillBaseFields(start, header);
    if (header.level == 2)
        ReadLevel2(input, offset, start, header);
    else
        ReadLevel01(input, offset, start, header);
    if (header.dataOffset > archiveSize || header.packedSize > archiveSize - header.dataOffset)
        throw ECompLHABadCRC();
    return header;
}

bool StartsWithMemberHeader(ArchiveInput& input) {
    try {
        return ReadMemberHeader(input, 0).has_value();
    } catch (const ECompLHABadCRC&) {
        return true;  // the header is whole and right; the data after it is cut short
    } catch (const ECompLHA&) {
        return false;
    }
}

std::string EncodeMemberHeader(const MemberHeader& header) {
    const std::size_t split = header.name.rfind(kMemberSeparator);
    const bool level1 = header.level == 1;
    const std::string baseName = level1 && split != std::string::npos ? header.name.substr(split + 1) : header.name;
    const std::string directory = level1 && split != std::string::npos ? header.name.substr(0, split + 1) : "";
    const std::size_t fixed = level1 ? kLevel1Fixed : kLevel0Fixed;
    if (baseName.size() + fixed > kMaxHeaderSize) throw ECompLHANameTooLong(header.name);

    // Level 1 extended headers: the directory (when kept), then the attributes.
    std::string extensions;
    std::size_t directorySize = 0;
    if (level1 && !directory.empty()) {
        std::string parts = directory;
        std::replace(parts.begin(), parts.end(), kMemberSeparator, static_cast<char>(kDirectorySeparator));
        directorySize = kExtensionOverhead + parts.size();
        if (directorySize > 0xFFFF) throw ECompLHANameTooLong(header.name);
        extensions += static_cast<char>(kDirectoryExtension);
        extensions += parts;
    }
    const bool hasAttributes = (header.attributes & kDosAttributeMask) != 0;
    if (level1 && hasAttributes) {
        if (!extensions.empty()) Put16(extensions, kExtensionOverhead + 2);
        extensions += static_cast<char>(kAttributeExtension);
        Put16(extensions, header.attributes | kArchiveAttribute);
    }
    if (!extensions.empty()) Put16(extensions, 0);
    const std::uint32_t firstExtensionSize = static_cast<std::uint32_t>(
        directorySize != 0 ? directorySize : extensions.empty() ? 0 : kExtensionOverhead + 2);

    std::string bytes;
    bytes += static_cast<char>(fixed + baseName.size());
    bytes += '\0';  // checksum, filled in below
    bytes += header.method;
    Put32(bytes, static_cast<std::uint32_t>(header.packedSize + extensions.size()));
    Put32(bytes, header.unpackedSize);
    Put32(bytes, header.timeStamp);
    bytes += static_cast<char>(level1 ? kReservedLevel1 : header.attributes);
    bytes += static_cast<char>(header.level);
    bytes += static_cast<char>(baseName.size());
    bytes += baseName;
    Put16(bytes, header.crc);
    if (level1) {
        bytes += static_cast<char>(header.os);
        Put16(bytes, firstExtensionSize);
    }
    bytes[kChecksumOffset] = static_cast<char>(
        Checksum(reinterpret_cast<const std::uint8_t*>(bytes.data()) + kChecksumStart, bytes.size() - kChecksumStart));
    return bytes + extensions;
}

}  // namespace vantaro::lha
