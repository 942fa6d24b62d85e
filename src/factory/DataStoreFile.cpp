// Opening and saving a data store file. The layout of the text is described in
// DataStoreWriter.cpp and the reading rules in DataStoreReader.cpp.
//
// Saving builds the whole text in memory, packs it in memory when compression is on, and puts
// it in place with ReplaceFileSafely: a private file beside the target, synced, read back whole
// (unpacked, its CRC checked, compared with the text), the previous file copied to ".~ods", then
// renamed over the target. Nothing goes through the shared temporary folder.

#include <algorithm>
#include <filesystem>
#include <map>

#include "factory/CFactory.h"
#include "factory/DataStoreErrors.h"
#include "factory/DataStoreReader.h"
#include "factory/DataStoreWriter.h"
#include "factory/IDText.h"
#include "factory/SafeFileReplace.h"
#include "factory/StoreArchive.h"
#include "factory/StoreProgress.h"
#include "routines/Platform.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr std::string_view kStoreExtension = ".ods";
constexpr std::string_view kBackupExtension = ".~ods";
constexpr const char* kSaveErrorCaption = "Save Error";
constexpr const char* kTestReadErrorCaption = "Test Read Error";
constexpr const char* kTempFileMessage =
    "Temp File Could Not Be Created, Please Check There Is Space On The System";
constexpr const char* kNotSavedMessage = "File Could Not Be Saved, Please Check There Is Space On The Disk";
constexpr const char* kReadBackMessage =
    "File Could Not Be Opened After It Was Saves, Please Check The Disk Is Not Faulty";

// Shows the progress window for the lifetime of a scope, however the scope ends.
class ProgressWindowScope {
public:
    explicit ProgressWindowScope(bool loading) { Platform::Progress().ShowProgress(loading); }
    ~ProgressWindowScope() { Platform::Progress().HideProgress(); }
    ProgressWindowScope(const ProgressWindowScope&) = delete;
    ProgressWindowScope& operator=(const ProgressWindowScope&) = delete;
};

// The extension from the last full stop of the file name, compared exactly.
bool HasStoreExtension(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::size_t stop = path.rfind('.');
    if (stop == std::string::npos || (nameStart != std::string::npos && stop < nameStart)) return false;
    return std::string_view(path).substr(stop) == kStoreExtension;
}

std::string BackupPathOf(const std::string& path) {
    return std::filesystem::path(path).replace_extension(kBackupExtension).string();
}

// The read-back proof: the whole file read again holds exactly the text, unpacked and its CRC
// checked when packed.
void CheckWrittenFile(const std::string& written, std::string_view text, bool packed) {
    const std::optional<std::string> content = ReadWholeFile(written);
    if (!content) throw EInOutError("the saved file is missing");
    const bool same = packed ? IsStoreArchive(*content) && StoreArchiveHolds(*content, text, StoreProgress())
                             : *content == text;
    if (!same) throw EInOutError("the saved file does not read back as the text that was written");
}

// Shows the message box of a failed step.
void ShowSaveFailure(SaveStep step) {
    switch (step) {
        case SaveStep::CreateTemporary:
            Platform::Prompts().Ask(kSaveErrorCaption, kTempFileMessage, MessageButtons::Close);
            return;
        case SaveStep::ReadBack:
            Platform::Prompts().Ask(kTestReadErrorCaption, kReadBackMessage, MessageButtons::Close);
            return;
        case SaveStep::WriteTemporary:
        case SaveStep::SyncTemporary:
        case SaveStep::KeepBackup:
        case SaveStep::ReplaceTarget:
            Platform::Prompts().Ask(kSaveErrorCaption, kNotSavedMessage, MessageButtons::Close);
            return;
    }
}

}  // namespace

void CFactory::Open(const std::string& path) {
    ProgressWindowScope progress(true);
    if (!HasStoreExtension(path)) return;
    CObjectStore fresh(CObjectStore::Ownership::Owning);
    const CStoreReadResult read = ReadFile(path, fresh);
    TakeOverStore(path, fresh, read);
}

CStoreReadResult CFactory::ReadFile(const std::string& path, CObjectStore& store) {
    store.Clear();
    std::optional<std::string> content = ReadWholeFile(path);
    if (!content) return {};
    const std::string text = StoreTextOf(std::move(*content), path);
    return ParseStoreText(text, path, *this, store);
}

// Makes the freshly read store the factory's: references resolved, every object saved. A
// reference that is not a number puts the loaded store back.
void CFactory::TakeOverStore(const std::string& path, CObjectStore& fresh, const CStoreReadResult& read) {
    CObjectStore previous = std::move(objects_);
    const std::int32_t previousHighest = highestID_;
    objects_ = std::move(fresh);
    highestID_ = 1;
    int at = 0;
    const lha::ProgressCallback progress = StoreProgress();
    try {
        for (; at < objects_.Count(); ++at) {
            progress(at, objects_.Count());
            CStored* object = objects_.Item(at);
            highestID_ = std::max(highestID_, object->ID());
            object->ResolveReferences();
            object->MarkSaved(object->ID());
        }
    } catch (const EConvertError& error) {
        const std::int32_t id = objects_.Item(at)->ID();
        objects_ = std::move(previous);
        highestID_ = previousHighest;
        throw EDataStoreConvertError(path, read.LineOf(id),
                                     "object " + std::to_string(id) + ": " + error.what());
    } catch (...) {
        objects_ = std::move(previous);
        highestID_ = previousHighest;
        throw;
    }
    fileName_ = path;
    hiddenIDs_ = read.hiddenIDs;
    skippedOnOpen_ = read.skipped;
    trash_.Forget();
    integrityStore_.Forget();
    scrubList_.Clear();
}

void CFactory::Save(const std::string& path) {
    ProgressWindowScope progress(false);
    std::vector<std::pair<CStored*, StoredStatus>> before;
    std::vector<std::pair<std::int32_t, std::int32_t>> renumbered;
    before.reserve(objects_.Count());
    // An object given a positive ID by other means must never meet a handed-out one.
    if (objects_.Count() > 0) highestID_ = std::max(highestID_, objects_.Item(objects_.Count() - 1)->ID());
    for (int i = 0; i < objects_.Count(); ++i) {
        CStored* object = objects_.Item(i);
        before.emplace_back(object, object->Status());
        if (!IsWritten(*object)) continue;
        if (object->ID() < 0) {
            renumbered.emplace_back(object->ID(), ++highestID_);
            object->MarkSaved(highestID_);
        } else {
            object->MarkSaved(object->ID());
        }
    }
    objects_.SortByID();
    TranslateHiddenIDs(renumbered);
    try {
        WriteFile(path, objects_);
    } catch (...) {
        for (const auto& [object, status] : before) object->SetStatus(status);
        throw;
    }
    fileName_ = path;
}

// The hidden-ID list names objects by ID: renumbered objects stay hidden under their new IDs.
void CFactory::TranslateHiddenIDs(const std::vector<std::pair<std::int32_t, std::int32_t>>& renumbered) {
    if (renumbered.empty() || hiddenIDs_.empty()) return;
    const std::map<std::int32_t, std::int32_t> newID(renumbered.begin(), renumbered.end());
    std::string translated;
    bool first = true;
    ForEachListItem(hiddenIDs_, [&](std::string_view item) {
        if (!first) translated += ',';
        first = false;
        const std::optional<std::int32_t> id = TryIDFromText(item);
        const auto found = id ? newID.find(*id) : newID.end();
        translated += found != newID.end() ? std::to_string(found->second) : std::string(item);
    });
    hiddenIDs_ = std::move(translated);
}

void CFactory::WriteFile(const std::string& path, const CObjectStore& store) {
    const CFactory* main = MainFactory();
    const bool compress = (main ? main : this)->settings_.CompressDatastore;
    const std::int32_t rootID = store.Root() ? store.Root()->ID() : 0;
    std::string text;
    std::string packed;
    try {
        text = BuildStoreText(store, rootID, hiddenIDs_);
        if (compress) packed = PackStoreText(text, StoreProgress());
    } catch (const EVantaro& error) {
        throw ESaveError(path, error.what(), false);
    }
    const std::string_view content = compress ? std::string_view(packed) : std::string_view(text);
    try {
        ReplaceFileSafely(path, content, BackupPathOf(path),
                          [&](const std::string& written) { CheckWrittenFile(written, text, compress); });
    } catch (const ESaveStepFailed& error) {
        ShowSaveFailure(error.Step());
        throw ESaveError(path, error.what(), true);
    }
}

}  // namespace vantaro
