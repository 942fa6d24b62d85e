#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "factory/CObjectStore.h"
#include "factory/CStored.h"
#include "factory/FactorySettings.h"

namespace vantaro {

// Holds one data store in memory: every stored object of it in an owning store sorted by ID,
// with one root object; the trash; the hidden-ID list of the filter; the file name; the
// settings; and the work lists of the integrity check. It creates objects by class name when a
// file is read and answers lookups by ID. The application subclasses it once and supplies the
// creation hook.
//
// The data store file, the trash and integrity check, and the settings are implemented in
// files of their own as members of this class.
class CFactory {
public:
    CFactory();
    virtual ~CFactory();
    CFactory(const CFactory&) = delete;
    CFactory& operator=(const CFactory&) = delete;

    // The factory holding the user's open data store, set by the application at start-up.
    static CFactory* MainFactory();
    static void SetMainFactory(CFactory* factory);

    // Builds an object from the attribute text of an OBJECT line (ID="..." CLASS="..."): an
    // object of the class whose run-time name equals CLASS, with no parent and that ID, bound
    // to this factory and not yet in its store. Null for a class the application does not know.
    virtual std::unique_ptr<CStored> CreateObject(std::string_view attributes) = 0;
    // Replaces the factory's contents by the data store in the file.
    virtual void Open(const std::string& path);

    // Adds an object to the store and binds it to this factory. When an object with its ID is
    // already present, the given object is destroyed and the result is null.
    template <class T>
    T* AddObject(std::unique_ptr<T> object) {
        return static_cast<T*>(AddStored(std::unique_ptr<CStored>(std::move(object))));
    }
    CStored* FindObject(std::int32_t id) const { return objects_.Find(id); }
    // Takes an object out of the store without destroying it; the caller now owns it.
    std::unique_ptr<CStored> RemoveObject(const CStored* object) { return objects_.Release(object); }
    void SetRoot(CStored* object) { objects_.SetRoot(object); }
    CStored* Root() const { return objects_.Root(); }
    // Destroys every object, forgets the root, HighestID 0.
    void Clear();

    CObjectStore& Objects() { return objects_; }
    const CObjectStore& Objects() const { return objects_; }
    const CObjectStore& Trash() const { return trash_; }

    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& path) { fileName_ = path; }
    std::int32_t HighestID() const { return highestID_; }

    // Hidden objects: listed in HiddenIDs, or deleted when deleted objects count as hidden.
    // A missing object counts as hidden.
    bool IsHidden(const CStored* object) const;
    void SetDeletedCountsAsHidden(bool hidden) { deletedCountsAsHidden_ = hidden; }
    bool DeletedCountsAsHidden() const { return deletedCountsAsHidden_; }
    // Sets the comma list of hidden IDs, which always ends with a comma once set.
    void SetHiddenIDs(std::string_view ids);
    // The list without its trailing comma.
    std::string GetHiddenIDs() const;

    bool HasStatus(StoredStatus status) const;
    // True when the main factory (whichever factory is asked) has a file and some object of it
    // is new, modified or deleted.
    static bool HasUnsavedChanges();

    // Sorts the collections shown in lists and rewrites the reference texts.
    void SortCollections();
    // Gives every object a fresh temporary ID and status Saved (Transient when asked), sorts the
    // store and rewrites every reference text, so that objects read into this factory count as
    // new to another.
    void RenumberAsNew(bool transient);

    // Lists the object in the trash, then deletes it with everything it aggregates.
    void MoveToTrash(CStored* object);

    CFactorySettings& Settings() { return settings_; }
    const CFactorySettings& Settings() const { return settings_; }

private:
    CStored* AddStored(std::unique_ptr<CStored> object);

    CFactorySettings settings_;
    std::string hiddenIDs_;
    std::string fileName_;
    std::int32_t highestID_ = 0;
    bool deletedCountsAsHidden_ = false;
    // Work store of the integrity check, referring to objects of objects_.
    CObjectStore integrityStore_{CObjectStore::Ownership::Referring};
    // Error records of the integrity check, one tag line each.
    std::vector<std::string> adoptionErrors_;
    std::vector<std::string> surrogateErrors_;
    std::vector<std::string> duplicateErrors_;
    std::vector<std::string> orphanErrors_;
    CObjectStore objects_{CObjectStore::Ownership::Owning};
    // Objects moved to the trash, in ID order, referring to objects of objects_.
    CObjectStore trash_{CObjectStore::Ownership::Referring};
};

}  // namespace vantaro
