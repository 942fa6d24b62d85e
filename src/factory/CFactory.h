#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "factory/CObjectStore.h"
#include "factory/CScrubList.h"
#include "factory/CStored.h"
#include "factory/DataStoreReader.h"
#include "factory/FactorySettings.h"

namespace vantaro {

class PathTextMemo;

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

    // The data store file (DataStoreFile.cpp). Both show the progress window while they run.
    //
    // Replaces the factory's contents by the data store in the file. A path whose extension is
    // not exactly ".ods" changes nothing; a file that does not exist gives an empty store. The
    // file is read into a fresh store that replaces the loaded one only when the whole read has
    // succeeded: on failure the loaded store, its file name and hidden IDs stay as they were and
    // EDataStoreError or EDataStoreConvertError (file, line, reason) reaches the caller.
    virtual void Open(const std::string& path);
    // Gives every written object a permanent ID, writes the store to the file (packed when the
    // main factory's CompressDatastore is on), keeps the previous file as ".~ods", and makes the
    // file the factory's. On failure raises ESaveError, after the save's own message box where
    // there is one; the factory's file name and the objects' statuses are then as before the
    // save, and the file at the path is whole (the old one, or the new one once it is in place).
    // Permanent IDs handed out stay, and the hidden-ID list follows them.
    void Save(const std::string& path);
    // What the last successful Open left out of the file (objects of unknown classes, IDs met
    // twice); saving leaves them out of the file.
    const CSkippedObjects& SkippedOnOpen() const { return skippedOnOpen_; }
    // Fills an empty store from a file (see ParseStoreText); a missing file leaves it empty.
    // Returns the hidden IDs read, for the caller to take over. Errors as for Open.
    CStoreReadResult ReadFile(const std::string& path, CObjectStore& store);
    // Writes the objects of a store to the file with this factory's hidden IDs. Errors as for Save.
    void WriteFile(const std::string& path, const CObjectStore& store);

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
    // True when some object is new, modified or deleted.
    bool HasChanges() const;
    // True when the main factory (whichever factory is asked) has a file and some object of it
    // is new, modified or deleted.
    static bool HasUnsavedChanges();

    // Sorts the collections shown in lists and rewrites the reference texts.
    void SortCollections();
    // Gives every object a fresh temporary ID and status Saved (Transient when asked), sorts the
    // store and rewrites every reference text, so that objects read into this factory count as
    // new to another.
    void RenumberAsNew(bool transient);

    // Trash (Trash.cpp).
    // Lists the object in the trash, then deletes it with everything it aggregates.
    void MoveToTrash(CStored* object);
    // Takes the object off the trash list and restores it with everything it aggregates.
    void RestoreFromTrash(CStored* object);
    // Destroys every deleted object (listed in the trash or deleted with its owner), resolves
    // the references of the rest again, and empties the trash list.
    void EmptyTrash();

    // Referential integrity (Integrity.cpp, IntegrityRepairs.cpp).
    struct IntegrityCounts {
        int adoptions = 0;
        int surrogates = 0;
        int orphans = 0;
        int duplicates = 0;
        // Why the records could not be written to the debug log; empty when they were.
        std::string logFailure;
        int Total() const { return adoptions + surrogates + orphans + duplicates; }
    };
    // Empties the trash, fills the four error lists with one record each, and logs them. A
    // failure to write the debug log does not stop the check: it is returned in logFailure.
    IntegrityCounts FindIntegrityErrors();
    // Each repairs the records of its list; records whose objects are gone are skipped.
    void RepairAdoptions();
    void RepairSurrogates();
    void RepairOrphans();
    void RepairDuplicates();
    // The objects the repairs of the last check will remove, each with everything it owns: an
    // object owned twice goes altogether, not only from its second owner, and so does every
    // orphan. In record order, each once.
    std::vector<CStored*> ObjectsRepairsRemove() const;
    // EmptyTrash, FindIntegrityErrors, the four repairs, EmptyTrash. A failure to write the
    // debug log is raised as EInOutError once the repairs are done.
    void CheckIntegrity();
    const std::vector<std::string>& AdoptionErrors() const { return adoptionErrors_; }
    const std::vector<std::string>& SurrogateErrors() const { return surrogateErrors_; }
    const std::vector<std::string>& OrphanErrors() const { return orphanErrors_; }
    const std::vector<std::string>& DuplicateErrors() const { return duplicateErrors_; }

    // Settings (Settings.cpp), kept under SettingsKey() in the platform's settings store.
    CFactorySettings& Settings() { return settings_; }
    const CFactorySettings& Settings() const { return settings_; }
    // Sets every setting to its default, then reads every value present; a value missing or of
    // the wrong type leaves its default. Never fails.
    void ReadSettings();
    // Writes every value; the default data store path is written as empty text (and cleared
    // from FileName).
    void WriteSettings();
    static std::string SettingsKey();
    // The settings a first run starts with.
    static CFactorySettings DefaultSettings();
    // The program's folder, ending with a separator; the app sets it to the executable's folder.
    // Until then it is the folder the process started in.
    static const std::string& ProgramFolder();
    static void SetProgramFolder(const std::string& folder);
    // The program's folder + "Default.ods".
    static std::string DefaultDataStorePath();

    // Bookkeeping of whole-store passes, kept by the factory's objects.
    // Reference lists that resolving has changed; the trash emptying tells by it whether it
    // changed anything.
    void CountResolvedListChange() { ++resolvedListChanges_; }
    // The path text memo in use (during an integrity check), or none.
    PathTextMemo* ActivePathMemo() const { return pathMemo_; }

private:
    friend class PathTextMemo;

    CStored* AddStored(std::unique_ptr<CStored> object);
    // Steps of Open and Save.
    void TakeOverStore(const std::string& path, CObjectStore& fresh, const CStoreReadResult& read);
    void TranslateHiddenIDs(const std::vector<std::pair<std::int32_t, std::int32_t>>& renumbered);
    // EmptyTrash, telling whether it changed anything: an object destroyed, or a reference list
    // or a status changed by resolving. When it did not, emptying again at once changes nothing.
    bool EmptyTrashChanges();
    // Steps of FindIntegrityErrors and the repairs.
    IntegrityCounts FindErrorsInEmptiedStore();
    std::string LogIntegrityErrors();
    CStored* RecordObject(const std::string& record, const char* attribute) const;

    CFactorySettings settings_;
    CSkippedObjects skippedOnOpen_;
    std::string hiddenIDs_;
    std::string fileName_;
    std::int32_t highestID_ = 0;
    bool deletedCountsAsHidden_ = false;
    // Work store of the integrity check, referring to objects of objects_.
    CObjectStore integrityStore_{CObjectStore::Ownership::Referring};
    // Path texts of the objects met by the integrity check.
    CScrubList scrubList_;
    // Error records of the integrity check, one tag line each.
    std::vector<std::string> adoptionErrors_;
    std::vector<std::string> surrogateErrors_;
    std::vector<std::string> duplicateErrors_;
    std::vector<std::string> orphanErrors_;
    CObjectStore objects_{CObjectStore::Ownership::Owning};
    // Objects moved to the trash, in ID order, referring to objects of objects_.
    CObjectStore trash_{CObjectStore::Ownership::Referring};
    std::uint64_t resolvedListChanges_ = 0;
    PathTextMemo* pathMemo_ = nullptr;
};

}  // namespace vantaro
