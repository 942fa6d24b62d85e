#pragma once

#include <cstdint>
#include <memory>

#include "lha/ByteStream.h"
#include "lha/Crc16.h"

namespace vantaro::lha {

// The output of an LZ decoder: a buffer whose first kHistory bytes are the dictionary (spaces at
// the start, as every LHA method defines) followed by room for fresh output. Decoders write at
// Position() and copy matches from behind it with no wrap-around; when Position() passes
// FlushLimit() they call Flush(), which hands the fresh bytes to the sink (through the CRC and the
// progress callback) and moves the last kHistory bytes to the front.
class OutputWindow {
public:
    static constexpr std::size_t kHistory = 8192;        // the largest dictionary of the methods
    static constexpr std::size_t kChunk = 64 * 1024;     // fresh output per flush
    static constexpr std::size_t kSlack = 256 + 16;      // a longest match plus a wide copy's tail

    OutputWindow(ByteSink& sink, std::uint64_t total, const ProgressCallback& progress);

    std::uint8_t* Data() { return buffer_.get(); }
    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position) { position_ = position; }
    std::size_t FlushLimit() const { return kHistory + kChunk; }

    void Flush();
    std::uint16_t Crc() const { return crc_.Value(); }

private:
    ByteSink& sink_;
    std::uint64_t total_;
    std::uint64_t done_ = 0;
    const ProgressCallback& progress_;
    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t position_ = kHistory;
    Crc16 crc_;
};

}  // namespace vantaro::lha
