#include "factory/SafeFileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>

#include "factory/StoreProgress.h"

namespace vantaro {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kWriteChunk = 4 * 1024 * 1024;
constexpr mode_t kNewFileMode = 0666;  // less the process's umask

SaveStepHook& Hook() {
    static SaveStepHook hook;
    return hook;
}

std::string ErrnoText(const std::string& what) { return what + ": " + std::strerror(errno); }

// Runs one step: the hook first, then the work; any failure becomes ESaveStepFailed.
template <class Work>
void RunStep(SaveStep step, Work work) {
    try {
        if (Hook()) Hook()(step);
        work();
    } catch (const ESaveStepFailed&) {
        throw;
    } catch (const std::exception& error) {
        throw ESaveStepFailed(step, error.what());
    }
}

[[noreturn]] void FailWithErrno(SaveStep step, const std::string& what) {
    throw ESaveStepFailed(step, ErrnoText(what));
}

// The process's file mode mask. Read where the system shows it, so the mask never has to be
// changed (and put back) while other threads may create files.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) != 0) continue;
        try {
            return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
        } catch (const std::exception&) {
            break;
        }
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The permissions the new file takes: the old target's, or the usual ones for a new file.
mode_t ModeFor(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) return status.st_mode & 07777;
    return kNewFileMode & ~CurrentUmask();
}

// Creates a private empty file under a name beside the path that no other file has, and returns
// its descriptor; name receives the name.
int CreateUniqueBeside(const fs::path& path, std::string& name) {
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    name = (folder / std::string(".").append(path.filename().string()).append(".XXXXXX")).string();
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) throw EInOutError(ErrnoText("cannot create a file in " + folder.string()));
    return fd;
}

// The private file beside the target; removed on destruction unless released.
class TemporaryFile {
public:
    explicit TemporaryFile(const fs::path& target) { fd_ = CreateUniqueBeside(target, path_); }
    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return path_; }

    void Write(std::string_view content) {
        const lha::ProgressCallback progress = StoreProgress();
        std::size_t done = 0;
        while (done < content.size()) {
            const std::size_t chunk = std::min(kWriteChunk, content.size() - done);
            const ssize_t wrote = ::write(fd_, content.data() + done, chunk);
            if (wrote < 0 && errno == EINTR) continue;
            if (wrote <= 0) {
                if (wrote == 0) errno = ENOSPC;
                FailWithErrno(SaveStep::WriteTemporary, "cannot write " + path_);
            }
            done += static_cast<std::size_t>(wrote);
            progress(done, content.size());
        }
    }

    void SyncAndClose(mode_t mode) {
        if (::fchmod(fd_, mode) != 0) FailWithErrno(SaveStep::SyncTemporary, "cannot set the permissions of " + path_);
        if (::fsync(fd_) != 0) FailWithErrno(SaveStep::SyncTemporary, "cannot flush " + path_);
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) FailWithErrno(SaveStep::SyncTemporary, "cannot close " + path_);
    }

    // The file now has another name; nothing is left to remove.
    void Release() { path_.clear(); }

private:
    int fd_ = -1;
    std::string path_;
};

// The copy is made under a unique name and renamed over the backup, so an older backup stays
// whole until the new one is, and a read-only older backup is replaced all the same.
void CopyToBackup(const std::string& path, const std::string& backupPath) {
    std::error_code error;
    if (backupPath.empty() || !fs::exists(path, error)) return;
    std::string copy;
    ::close(CreateUniqueBeside(backupPath, copy));
    try {
        fs::copy_file(path, copy, fs::copy_options::overwrite_existing);
        fs::rename(copy, backupPath);
    } catch (...) {
        ::unlink(copy.c_str());
        throw;
    }
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
void SyncFolderOf(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void ReplaceFileSafely(const std::string& givenPath, std::string_view content, const std::string& backupPath,
                       const std::function<void(const std::string& written)>& readBack) {
    // A link keeps pointing at the data store: the file it names is the one replaced.
    std::string path = givenPath;
    std::error_code error;
    if (fs::is_symlink(givenPath, error)) {
        const fs::path resolved = fs::weakly_canonical(givenPath, error);
        if (!error) path = resolved.string();
    }
    std::unique_ptr<TemporaryFile> file;
    RunStep(SaveStep::CreateTemporary, [&] { file = std::make_unique<TemporaryFile>(path); });
    RunStep(SaveStep::WriteTemporary, [&] { file->Write(content); });
    RunStep(SaveStep::SyncTemporary, [&] { file->SyncAndClose(ModeFor(path)); });
    RunStep(SaveStep::ReadBack, [&] { readBack(file->Path()); });
    RunStep(SaveStep::KeepBackup, [&] { CopyToBackup(path, backupPath); });
    RunStep(SaveStep::ReplaceTarget, [&] {
        if (::rename(file->Path().c_str(), path.c_str()) != 0) {
            FailWithErrno(SaveStep::ReplaceTarget, "cannot rename " + file->Path() + " to " + path);
        }
        file->Release();
    });
    SyncFolderOf(path);
}

ScopedSaveStepHook::ScopedSaveStepHook(SaveStepHook hook) : previous_(std::move(Hook())) {
    Hook() = std::move(hook);
}

ScopedSaveStepHook::~ScopedSaveStepHook() { Hook() = std::move(previous_); }

}  // namespace vantaro
