#include "lha/BinaryFile.h"

namespace vantaro::lha {

BinaryFile::BinaryFile(const std::filesystem::path& path, Mode mode) : path_(path) {
    file_ = std::fopen(path.string().c_str(), mode == Mode::Read ? "rb" : "w+b");
    if (!file_) {
        if (mode == Mode::Create) throw EFileWriteFailed("Cannot create file " + path.string());
        throw EInOutError("Cannot open file " + path.string());
    }
}

BinaryFile::~BinaryFile() {
    if (file_) std::fclose(file_);
}

std::size_t BinaryFile::Read(void* data, std::size_t size) {
    const std::size_t count = std::fread(data, 1, size, file_);
    if (count < size && std::ferror(file_)) throw EInOutError("Cannot read file " + path_.string());
    return count;
}

void BinaryFile::Write(const void* data, std::size_t size) {
    if (size > 0 && std::fwrite(data, 1, size, file_) != size)
        throw EFileWriteFailed("Cannot write file " + path_.string());
}

void BinaryFile::Seek(std::uint64_t offset) {
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0)
        throw EInOutError("Cannot seek in file " + path_.string());
}

std::uint64_t BinaryFile::Size() {
    const long current = std::ftell(file_);
    if (current < 0 || std::fseek(file_, 0, SEEK_END) != 0)
        throw EInOutError("Cannot seek in file " + path_.string());
    const long size = std::ftell(file_);
    std::fseek(file_, current, SEEK_SET);
    if (size < 0) throw EInOutError("Cannot seek in file " + path_.string());
    return static_cast<std::uint64_t>(size);
}

void BinaryFile::Close() {
    if (!file_) return;
    std::FILE* file = file_;
    file_ = nullptr;
    if (std::fclose(file) != 0) throw EFileWriteFailed("Cannot write file " + path_.string());
}

}  // namespace vantaro::lha
