#pragma once

#include <optional>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

#include "lha/ByteStream.h"
#include "lha/LhaMethods.h"

namespace vantaro {

namespace lha {
class ArchiveInput;
class MemberData;
struct MemberHeader;
}

// Header level of new members: caLHA writes level 1, caLHARC level 0 (with upper-case names).
enum TCompLHAArchiveType { caLHA, caLHARC };
// The method of new members; only colh0 and colh5 can pack.
enum TCompLHACompressionMethod { colh0, colh1, colh5, coTCR };

// The LHA archive component: writes archives of files and extracts members from them. Reading
// accepts header levels 0, 1 and 2, any operating-system byte, and the methods -lh0-, -lh1-,
// -lh5- and -rle-; writing produces -lh5- members (stored as -lh0- when packing does not pay)
// with level 1 headers. Every archive is treated as untrusted input. Errors are ECompLHA
// subclasses (LhaErrors.h) whose messages are the texts shown to the user; failures to open or
// read a file are EInOutError.
//
// A data store is packed and read with it as:
//   TCompLHA archiver;                       // caLHA, colh5, StorePath false
//   archiver.PackFile(tempDir + "Vantaro.xml", tempDir + "Vantaro.ods", "Vantaro.xml");
//   if (!TCompLHA::IsArchive(storePath)) ...  // plain text: read it as such
//   std::optional<std::string> text = archiver.ExtractText(storePath, "Vantaro.xml");
// or in memory with PackTextToArchiveData, IsArchiveData and ExtractTextFromArchiveData. Once
// IsArchive has said yes, any error of the extraction is damage to report.
class TCompLHA {
public:
    TCompLHAArchiveType ArchiveType() const { return archiveType_; }
    void SetArchiveType(TCompLHAArchiveType type) { archiveType_ = type; }
    TCompLHACompressionMethod CompressionMethod() const { return compressionMethod_; }
    void SetCompressionMethod(TCompLHACompressionMethod method) { compressionMethod_ = method; }
    // Off: member names are file names without their directory. On: the directory of the path as
    // given (without drive or root) is kept, in a directory header at level 1.
    bool StorePath() const { return storePath_; }
    void SetStorePath(bool store) { storePath_ = store; }
    // The folder ExpandFiles writes into; empty means the current folder.
    const std::string& TargetPath() const { return targetPath_; }
    void SetTargetPath(const std::string& path) { targetPath_ = path; }
    bool ForceUpperCase() const { return forceUpperCase_; }
    void SetForceUpperCase(bool upper) { forceUpperCase_ = upper; }
    // Off: a second file with the same member name in one CompressFiles call is left out.
    bool AllowDuplicates() const { return allowDuplicates_; }
    void SetAllowDuplicates(bool allow) { allowDuplicates_ = allow; }
    // Called after every buffer packed or unpacked, with the bytes done and the total of the
    // current member, so the caller's progress window can repaint.
    void SetOnProgress(lha::ProgressCallback progress) { onProgress_ = std::move(progress); }

    // Writes the files (names may hold '*' and '?' in their file-name part) into the archive with
    // method Lh0 or Lh5; files that do not exist are left out, and the list becomes the member
    // names written. When the archive exists, the new archive is written beside it with the
    // extension ".$$$", its members that are not replaced are copied after the new ones, and it
    // then takes the archive's place.
    void CompressFiles(const std::string& archive, std::vector<std::string>& files, TCompLHAMethod method);

    // Extracts the members that match the names (see lha::MemberSelected: same directory part,
    // file name matched with '*' and '?', letter case aside) into TargetPath, each under its plain
    // file name (directories, "..", drives and roots are dropped), replacing existing files. The
    // list becomes the paths written. When a member fails, the error is raised, the list is left
    // empty and that member's output is not written.
    void ExpandFiles(const std::string& archive, std::vector<std::string>& names);

    // Writes a new archive holding the one member memberName (the data store's "Vantaro.xml"),
    // packed from a file (with its time stamp and attributes) or from a text (stamped now). An
    // existing archive of that name is replaced only once the new one is complete.
    void PackFile(const std::string& file, const std::string& archive, const std::string& memberName);
    void PackText(std::string_view text, const std::string& archive, const std::string& memberName);

    // Extracts the first member whose name matches memberName (letter case aside) to a file or
    // into memory. Returns false / nothing when the archive has no such member; raises the
    // archive's errors as ExpandFiles does.
    bool ExtractFile(const std::string& archive, const std::string& memberName, const std::string& outputPath);
    std::optional<std::string> ExtractText(const std::string& archive, const std::string& memberName);

    // The same in memory: the archive of one member holding text, and the text of a member of
    // archive bytes.
    std::string PackTextToArchiveData(std::string_view text, const std::string& memberName);
    std::optional<std::string> ExtractTextFromArchiveData(std::string_view archive, const std::string& memberName);

    // A cheap test of the file's first header: true when its base header is complete and has the
    // right checksum and a level of 0 or 1 (or is a whole level-2 header with the right CRC).
    // False means "not an LHA archive" (an empty file, plain text, ...), so the caller reads the
    // file as text; true means an archive, whose later errors (extended headers, data, CRC) are
    // damage to report. Raises EInOutError when the file cannot be opened.
    static bool IsArchive(const std::string& path);
    static bool IsArchiveData(std::string_view bytes);

private:
    int HeaderLevel() const { return archiveType_ == caLHARC ? 0 : 1; }
    // The member name of a file: its file name, after its directory when StorePath is on.
    std::string MemberNameFor(const std::string& path) const;
    // The name as a member header holds it: upper case for caLHARC or ForceUpperCase.
    std::string StoredMemberName(const std::string& name) const;
    lha::MemberHeader SingleMemberHeader(const std::string& memberName, std::uint32_t dosTime,
                                         std::uint8_t attributes) const;
    TCompLHAMethod PackingMethod() const;
    void WriteSingleMember(const std::string& archive, const lha::MemberHeader& header, lha::MemberData& data);
    std::optional<std::string> ExtractTextFrom(lha::ArchiveInput& input, const std::string& memberName);

    TCompLHAArchiveType archiveType_ = caLHA;
    TCompLHACompressionMethod compressionMethod_ = colh5;
    bool storePath_ = false;
    std::string targetPath_;
    bool forceUpperCase_ = false;
    bool allowDuplicates_ = false;
    lha::ProgressCallback onProgress_;
};

}  // namespace vantaro
