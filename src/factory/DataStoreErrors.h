#pragma once

#include <string>

#include "routines/Errors.h"

namespace vantaro {

// The message of a data store failure: the file, the line when one is to blame, and the reason.
inline std::string DataStoreMessage(const std::string& fileName, int line, const std::string& reason) {
    std::string message = fileName;
    if (line > 0) message += ", line " + std::to_string(line);
    return message + ": " + reason;
}

// A failure to read a data store file, raised as the given kind of error: the file, the line
// (0 when no single line is to blame) and the reason.
template <class Base>
class DataStoreFailure : public Base {
public:
    DataStoreFailure(const std::string& fileName, int line, const std::string& reason)
        : Base(DataStoreMessage(fileName, line, reason)), fileName_(fileName), line_(line), reason_(reason) {}
    const std::string& FileName() const { return fileName_; }
    int Line() const { return line_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string fileName_;
    int line_;
    std::string reason_;
};

// A data store file that cannot be read: not a data store, a damaged archive, a line too long,
// an unknown class, a duplicate ID.
class EDataStoreError : public DataStoreFailure<EInOutError> {
public:
    using DataStoreFailure::DataStoreFailure;
};

// A data store file holding a value that should be a number or an ID and is not.
class EDataStoreConvertError : public DataStoreFailure<EConvertError> {
public:
    using DataStoreFailure::DataStoreFailure;
};

// A save that did not complete. The file at the path is the previous one (or, when the failure
// came after the new file had taken its place, the new one), whole either way. When
// MessageShown is set the user has already seen the save's own message box for it.
class ESaveError : public EInOutError {
public:
    ESaveError(const std::string& fileName, const std::string& reason, bool messageShown)
        : EInOutError(DataStoreMessage(fileName, 0, reason)), fileName_(fileName),
          messageShown_(messageShown) {}
    const std::string& FileName() const { return fileName_; }
    bool MessageShown() const { return messageShown_; }

private:
    std::string fileName_;
    bool messageShown_;
};

}  // namespace vantaro
