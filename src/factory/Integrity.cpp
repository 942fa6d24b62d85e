// The referential integrity check. Ownership rules: every object but the root is a member of
// exactly one aggregate association, of its parent; and no two aggregated objects of one class
// share a PathText, blank ones apart. Each breach is one record, a tag line:
//
//   <RI_ERROR TYPE="SURROGATE" CLASS="CNote" TARGET="12" SOURCE="7"></RI_ERROR>   owned twice
//   <RI_ERROR TYPE="DUPLICATE" CLASS=... TARGET=... SOURCE=... UNIQUE_ID="path text"></RI_ERROR>
//   <RI_ERROR TYPE="ADOPTION" CLASS=... TARGET=... SOURCE=...></RI_ERROR>   parent is not owner
//   <RI_ERROR TYPE="ORPHAN" CLASS=... TARGET=...></RI_ERROR>                  owned by nobody

#include <algorithm>
#include <unordered_set>

#include "factory/CFactory.h"
#include "factory/PathTextMemo.h"
#include "factory/StoredLines.h"
#include "routines/DebugLog.h"
#include "routines/Errors.h"
#include "routines/Platform.h"
#include "routines/TextBasics.h"
#include "routines/XMLRoutines.h"

namespace vantaro {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string Record(std::string_view type, const CStored& target) {
    std::string record = "<RI_ERROR TYPE=\"" + std::string(type) + "\"></RI_ERROR>";
    record = SetAttribute(record, "CLASS", target.ClassName());
    return SetAttribute(record, "TARGET", std::to_string(target.ID()));
}

std::string Record(std::string_view type, const CStored& target, const CStored& source) {
    return SetAttribute(Record(type, target), "SOURCE", std::to_string(source.ID()));
}

bool IsBlankItem(const CStored& object) { return TrimView(object.DisplayText()).empty(); }

}  // namespace

CFactory::IntegrityCounts CFactory::FindIntegrityErrors() {
    BusyScope busy;
    EmptyTrash();
    return FindErrorsInEmptiedStore();
}

CFactory::IntegrityCounts CFactory::FindErrorsInEmptiedStore() {
    integrityStore_.Forget();
    scrubList_.Clear();
    adoptionErrors_.clear();
    surrogateErrors_.clear();
    duplicateErrors_.clear();
    orphanErrors_.clear();

    // Met members are kept in a hash set while the store is walked and put into the sorted
    // integrity store at the end, in ID order, so that no insertion moves the store.
    std::unordered_set<std::int32_t> met;
    std::vector<CStored*> members;
    const PathTextMemo paths(*this);
    for (int i = 0; i < objects_.Count(); ++i) {
        CStored& owner = *objects_.Item(i);
        for (int line = 0; line < owner.PropertyCount(); ++line) {
            if (owner.PropertyTag(line) != kAssociation) continue;
            if (AttributeValue(FindAttribute(TagAttributes(owner.PropertyLine(line)), "AGGREGATE")) != "TRUE") continue;
            for (CStored* member : owner.AssociationItems(owner.PropertyName(line))) {
                if (met.insert(member->ID()).second) {
                    members.push_back(member);
                } else {
                    surrogateErrors_.push_back(Record("SURROGATE", *member, owner));
                }
                // A blank item (an objective not yet written) has no name to clash with another's,
                // and numbering it would be no repair.
                if (!IsBlankItem(*member) && !scrubList_.AddPath(member)) {
                    duplicateErrors_.push_back(
                        SetAttribute(Record("DUPLICATE", *member, owner), "UNIQUE_ID", member->PathText()));
                }
                if (member->GetParent() != &owner) adoptionErrors_.push_back(Record("ADOPTION", *member, owner));
            }
        }
    }
    std::sort(members.begin(), members.end(),
              [](const CStored* a, const CStored* b) { return a->ID() < b->ID(); });
    for (CStored* member : members) integrityStore_.Add(member);

    for (int i = 0; i < objects_.Count(); ++i) {
        CStored& object = *objects_.Item(i);
        if (!integrityStore_.Find(object.ID()) && &object != Root()) {
            orphanErrors_.push_back(Record("ORPHAN", object));
        }
    }

    IntegrityCounts counts;
    counts.logFailure = LogIntegrityErrors();
    counts.adoptions = static_cast<int>(adoptionErrors_.size());
    counts.surrogates = static_cast<int>(surrogateErrors_.size());
    counts.orphans = static_cast<int>(orphanErrors_.size());
    counts.duplicates = static_cast<int>(duplicateErrors_.size());
    return counts;
}

// Writes each record whose target exists to the debug log, with the target's object block as
// its content. Returns why the log could not be written, or empty text; the first failure ends
// the logging but not the check.
std::string CFactory::LogIntegrityErrors() {
    for (const std::vector<std::string>* list :
         {&adoptionErrors_, &surrogateErrors_, &duplicateErrors_, &orphanErrors_}) {
        for (const std::string& record : *list) {
            CStored* target = RecordObject(record, "TARGET");
            if (!target) continue;
            const std::string entry =
                std::string(kLineBreak) + ReplaceTagContent(record, std::string(kLineBreak) + target->ToText());
            try {
                DebugLog(entry);
            } catch (const EVantaro& error) {
                return error.what();
            }
        }
    }
    return {};
}

// Emptying the trash of a store it has just emptied without a change changes nothing, so the
// check skips each emptying that would: on a sound store it resolves the references once rather
// than six times, and the store ends exactly as the full sequence would leave it.
void CFactory::CheckIntegrity() {
    BusyScope busy;
    bool changed = EmptyTrashChanges();
    if (changed) changed = EmptyTrashChanges();  // FindIntegrityErrors' own emptying
    const int objects = objects_.Count();
    const std::uint64_t destroyed = DestroyedObjectCount();
    const IntegrityCounts counts = FindErrorsInEmptiedStore();
    // Looking at the store made nothing (such as the year's tutor) and destroyed nothing, and
    // with no records the repairs would only empty the trash.
    const bool settled =
        !changed && counts.Total() == 0 && objects_.Count() == objects && DestroyedObjectCount() == destroyed;
    if (!settled) {
        RepairAdoptions();
        RepairSurrogates();
        RepairOrphans();
        RepairDuplicates();
        EmptyTrash();
    }
    if (!counts.logFailure.empty()) throw EInOutError(counts.logFailure);
}

}  // namespace vantaro
