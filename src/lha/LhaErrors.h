#pragma once

#include <string>

#include "routines/Errors.h"

namespace vantaro {

// Base of the archive component's errors. An archive that cannot be read or written is a file
// failure, so these are input/output errors; the message is the text shown to the user.
class ECompLHA : public EInOutError {
public:
    using EInOutError::EInOutError;
};

// The CRC of the unpacked data differs from the header's, or the packed data ended early or
// described more output than the member holds.
class ECompLHABadCRC : public ECompLHA {
public:
    ECompLHABadCRC() : ECompLHA("Bad CRC during expansion -- data may be invalid") {}
};

// A Huffman table in -lh5- data that cannot be built from its code lengths.
class ECompLHABadDecodeTable : public ECompLHA {
public:
    ECompLHABadDecodeTable() : ECompLHA("Bad decode table in archive!") {}
};

// A level 0 or level 1 header whose checksum is wrong, or a level-2 header whose CRC is wrong;
// the number is the value computed from the header's bytes.
class ECompLHABadChecksum : public ECompLHA {
public:
    ECompLHABadChecksum(int headerLevel, unsigned computed)
        : ECompLHA(std::string(headerLevel == 0 ? "Bad checksum in LHARC archive header: "
                                                : "Bad checksum in LHA archive header: ") +
                   std::to_string(computed)) {}
};

class ECompLHABadHeaderLevel : public ECompLHA {
public:
    explicit ECompLHABadHeaderLevel(int level)
        : ECompLHA("Unsupported header level in archive: " + std::to_string(level)) {}
};

// A header that runs past the end of the archive, or extended headers that are malformed or run
// past their header or the member's packed size.
class ECompLHABadExtendedHeader : public ECompLHA {
public:
    ECompLHABadExtendedHeader() : ECompLHA("Unexpected end of extended header section in archive") {}
};

class ECompLHABadMethod : public ECompLHA {
public:
    explicit ECompLHABadMethod(const std::string& identifier)
        : ECompLHA("Unrecognized compression method: \"" + identifier + "\" in header") {}
};

class ECompLHAEncrypted : public ECompLHA {
public:
    ECompLHAEncrypted() : ECompLHA("File is encrypted -- password required") {}
};

// Packing would make the data longer than it is; the caller stores it with -lh0- instead.
class ECompLHACannotCompress : public ECompLHA {
public:
    ECompLHACannotCompress() : ECompLHA("Could not compress data, will store instead") {}
};

class ECompLHAAddToItself : public ECompLHA {
public:
    explicit ECompLHAAddToItself(const std::string& path)
        : ECompLHA("Cannot add " + path + " to itself!") {}
};

class ECompLHAReplaceFailed : public ECompLHA {
public:
    ECompLHAReplaceFailed(const std::string& archive, const std::string& newPath)
        : ECompLHA("Could not replace " + archive + " with " + newPath) {}
};

// Writing the new members failed; the new archive file has been deleted.
class ECompLHAWriteFailed : public ECompLHA {
public:
    ECompLHAWriteFailed() : ECompLHA("Disk protected or full during compression") {}
};

// Copying the members of the existing archive failed; the new archive file has been deleted.
class ECompLHACopyFailed : public ECompLHA {
public:
    ECompLHACopyFailed() : ECompLHA("Disk full or write error during compression") {}
};

// A member name that does not fit the header's one-byte length field.
class ECompLHANameTooLong : public ECompLHA {
public:
    explicit ECompLHANameTooLong(const std::string& name)
        : ECompLHA("File name too long for an LHA archive: " + name) {}
};

// A file of 4 GiB or more does not fit the header's 32-bit size fields.
class ECompLHAFileTooLarge : public ECompLHA {
public:
    explicit ECompLHAFileTooLarge(const std::string& path)
        : ECompLHA("File too large for an LHA archive: " + path) {}
};

}  // namespace vantaro
