#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "lha/ArchiveInput.h"
#include "lha/ByteStream.h"
#include "lha/LhaHeader.h"

namespace vantaro::lha {

// Calls visit with each member's header in archive order until visit returns false or the
// archive ends. Header errors are raised as ReadMemberHeader raises them.
void ForEachMember(ArchiveInput& input, const std::function<bool(const MemberHeader&)>& visit);

// A directory entry ("-lhd-") carries no data; nothing is extracted for it.
bool IsDirectoryEntry(const MemberHeader& header);

// The header of the first member that is not a directory entry and whose name matches name
// (see MemberSelected: same directory part, wildcards, letter case aside); none when no member does.
std::optional<MemberHeader> FindMember(ArchiveInput& input, std::string_view name);

// Unpacks the member's data into the sink and checks it against the header's CRC. Raises
// ECompLHABadMethod, ECompLHAEncrypted, ECompLHABadDecodeTable or ECompLHABadCRC.
void UnpackMember(ArchiveInput& input, const MemberHeader& header, ByteSink& sink,
                  const ProgressCallback& progress);

// Unpacks the member into a file: the data goes to a temporary file beside the output, which
// replaces the output only when the CRC is right, and then takes the member's time stamp and
// read-only attribute. On failure no output is left behind and an existing file stays as it was.
void UnpackMemberToFile(ArchiveInput& input, const MemberHeader& header,
                        const std::filesystem::path& output, const ProgressCallback& progress);

}  // namespace vantaro::lha
