#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lha/ByteStream.h"

namespace vantaro {

// The packed form of a data store: an LHA archive (level 1 header) holding the one member
// "Vantaro.xml", the store's text. Built and read in memory by the archive component.

inline constexpr const char* kStoreMemberName = "Vantaro.xml";

// True when the bytes start with a whole LHA member header (checksum and level right): the
// bytes are an archive, and any later failure is damage to report, not plain text.
bool IsStoreArchive(std::string_view bytes);

// The archive of the text: -lh5-, or -lh0- when packing does not pay; stamped now.
std::string PackStoreText(std::string_view text, const lha::ProgressCallback& progress = {});

// The text of the member "Vantaro.xml" (letter case aside), its CRC checked; none when the
// archive holds no such member. Damage raises the archive component's errors (ECompLHA...).
std::optional<std::string> UnpackStoreText(std::string_view archive,
                                           const lha::ProgressCallback& progress = {});

// Whether the archive's member "Vantaro.xml" unpacks, CRC right, to exactly the text. Compares
// as it unpacks, without a second copy of the text; damage raises as for UnpackStoreText.
bool StoreArchiveHolds(std::string_view archive, std::string_view text,
                       const lha::ProgressCallback& progress = {});

}  // namespace vantaro
