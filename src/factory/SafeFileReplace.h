#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "routines/Errors.h"

namespace vantaro {

// The steps of putting a new file in place, in the order they run.
enum class SaveStep {
    CreateTemporary,  // a private file with a unique name beside the target
    WriteTemporary,   // the new content into it
    SyncTemporary,    // flushed to the disk and closed
    ReadBack,         // read again from the disk and checked
    KeepBackup,       // the previous file copied to the backup path
    ReplaceTarget,    // the new file renamed over the target
};

// A step that failed; the target is as it was before (or, after ReplaceTarget, the new file).
class ESaveStepFailed : public EInOutError {
public:
    ESaveStepFailed(SaveStep step, const std::string& reason) : EInOutError(reason), step_(step) {}
    SaveStep Step() const { return step_; }

private:
    SaveStep step_;
};

// Writes content to path so that a failure at any point leaves a whole file there, the old one
// or the new one. The content goes to a private file with a unique name in the target's folder,
// which is synced and closed, then checked by readBack (given the file's path; it raises on a
// bad file); the existing target is copied to backupPath (unless that is empty); and the new
// file is renamed over the target, taking the old target's permissions. The private file is
// removed when any step fails. Raises ESaveStepFailed naming the step.
void ReplaceFileSafely(const std::string& path, std::string_view content, const std::string& backupPath,
                       const std::function<void(const std::string& written)>& readBack);

// A hook called at the start of every step; when it raises, that step fails with its message.
// For tests that make each step fail in turn.
using SaveStepHook = std::function<void(SaveStep)>;

class ScopedSaveStepHook {
public:
    explicit ScopedSaveStepHook(SaveStepHook hook);
    ~ScopedSaveStepHook();
    ScopedSaveStepHook(const ScopedSaveStepHook&) = delete;
    ScopedSaveStepHook& operator=(const ScopedSaveStepHook&) = delete;

private:
    SaveStepHook previous_;
};

}  // namespace vantaro
