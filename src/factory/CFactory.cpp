#include "factory/CFactory.h"

#include "routines/Platform.h"

namespace vantaro {
namespace {

CFactory* mainFactory = nullptr;

// The associations sorted by SortCollections, each followed by a space, and one more space.
constexpr std::string_view kSortedCollections =
    "ACTIVITY_CATEGORIES APTITUDES CAPABILITIES CURRICULUMS DAYS DURATIONS LESSON_PLANS "
    "NOTE_CATEGORIES OBJECTIVE_CATEGORIES PUPILS SUBJECTS TEACHING_DAYS TERMS WEEKS  ";

}  // namespace

CFactory::CFactory() = default;

CFactory::~CFactory() {
    if (mainFactory == this) mainFactory = nullptr;
}

CFactory* CFactory::MainFactory() { return mainFactory; }

void CFactory::SetMainFactory(CFactory* factory) { mainFactory = factory; }

CStored* CFactory::AddStored(std::unique_ptr<CStored> object) {
    CStored* raw = object.get();
    if (!objects_.Add(object)) return nullptr;
    raw->SetFactory(this);
    return raw;
}

void CFactory::Clear() {
    objects_.Clear();
    highestID_ = 0;
    skippedOnOpen_ = {};
}

bool CFactory::IsHidden(const CStored* object) const {
    if (!object) return true;
    std::string listed(1, ',');
    listed.append(hiddenIDs_).append(1, ',');
    std::string wanted(1, ',');
    wanted.append(std::to_string(object->ID())).append(1, ',');
    if (listed.find(wanted) != std::string::npos) return true;
    return deletedCountsAsHidden_ && object->Status() == StoredStatus::Deleted;
}

void CFactory::SetHiddenIDs(std::string_view ids) {
    hiddenIDs_ = ids;
    if (hiddenIDs_.empty() || hiddenIDs_.back() != ',') hiddenIDs_ += ',';
}

std::string CFactory::GetHiddenIDs() const {
    if (!hiddenIDs_.empty() && hiddenIDs_.back() == ',') {
        return hiddenIDs_.substr(0, hiddenIDs_.size() - 1);
    }
    return hiddenIDs_;
}

bool CFactory::HasStatus(StoredStatus status) const {
    for (int i = 0; i < objects_.Count(); ++i) {
        if (objects_.Item(i)->Status() == status) return true;
    }
    return false;
}

bool CFactory::HasChanges() const {
    for (int i = 0; i < objects_.Count(); ++i) {
        const StoredStatus status = objects_.Item(i)->Status();
        if (status == StoredStatus::New || status == StoredStatus::Modified || status == StoredStatus::Deleted)
            return true;
    }
    return false;
}

bool CFactory::HasUnsavedChanges() {
    const CFactory* main = MainFactory();
    return main && !main->fileName_.empty() && main->HasChanges();
}

void CFactory::SortCollections() {
    BusyScope busy;
    for (int i = objects_.Count() - 1; i >= 0; --i) {
        CStored* object = objects_.Item(i);
        object->SortAssociations(kSortedCollections);
        object->WriteReferences();
    }
}

void CFactory::RenumberAsNew(bool transient) {
    for (int i = 0; i < objects_.Count(); ++i) {
        CStored* object = objects_.Item(i);
        object->MarkSaved(NextTemporaryID());
        if (transient) object->SetStatus(StoredStatus::Transient);
    }
    objects_.SortByID();
    for (int i = 0; i < objects_.Count(); ++i) objects_.Item(i)->WriteReferences();
}

}  // namespace vantaro
