#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "factory/CFactory.h"

namespace vantaro {

class CStaff;
class CYear;

// The application's factory: creates the domain classes by name while a data store is read,
// starts new data stores, finds the year's tutor, files objects into their parents and appends
// other data stores of the same school year.
class CRovanFactory : public CFactory {
public:
    std::unique_ptr<CStored> CreateObject(std::string_view attributes) override;
    // Reads the file; a store that holds nothing afterwards becomes a new seeded year. The
    // list of appended files is emptied in every case.
    void Open(const std::string& path) override;

    // Replaces the store by a new year with no file name, filled with the standard vocabulary
    // when seed is set. Returns the year.
    CYear* NewDataStore(bool seed);
    // The root year, or null.
    CYear* Year() const;

    // The staff member named by the year's TUTOR_NAME, or null when that is empty. The name is
    // compared unescaped, trimmed and with runs of blanks reduced to one; when no staff member
    // shows that name, one is created from it.
    CStaff* Tutor();

    // Adds the object to its parent's association for its class, when the parent is in this
    // store. A year is never filed.
    void FileIntoParent(CStored& object);

    // Borrows the notes and report comments of matching pupils, and the objects that show them,
    // from another data store of the same year, read through the scratch factory. Everything
    // brought in is transient: shown until the next load, never saved. The loaded file itself
    // and a file appended since the last load are refused silently.
    void Append(const std::string& fileName, CRovanFactory& scratch);
    const std::vector<std::string>& AppendedFiles() const { return appendedFiles_; }

private:
    // Steps of Append, in order.
    bool MatchPupils(CRovanFactory& scratch);
    void TakeOverObjects(CRovanFactory& scratch);
    void ListTakenOverObjects();

    std::vector<std::string> appendedFiles_;
};

}  // namespace vantaro
