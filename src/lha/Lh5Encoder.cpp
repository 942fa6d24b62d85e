// -lh5- encoder: LZSS parsing with hash chains and lazy evaluation by one position, feeding the
// block writer (bit layout in Lh5Format.h).
//
// The input passes through a window buffer: kHistory bytes of dictionary, then up to kChunk fresh
// bytes and a longest match of look-ahead. Hash chains link every position to the previous one
// whose next four bytes hash alike (a three-byte hash makes far longer chains on tag text and
// finds 3-byte matches that rarely pay): head_ holds the newest position per hash, prev_ (indexed by
// position modulo the dictionary size) the one before. Positions are buffer offsets; when the
// window slides by kChunk, every stored position slides with it, and one that would fall before
// the buffer becomes 0, which is always too far away to be used.
//
// Matches are weighed by the bits they save over literals, with costs from the last block's
// trees (Lh5Costs), so a shorter match nearby can beat a longer one far away.
//
// Lazy evaluation by one position: after the match at a position is found, the next position is
// searched too; when the match there saves more, the first byte goes out as a literal and the
// decision moves on one byte, otherwise the first match is sent and the positions it covers only
// enter the chains.

#include "lha/Lh5Encoder.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>

#include "lha/BitWriter.h"
#include "lha/Crc16.h"
#include "lha/Lh5BlockWriter.h"
#include "lha/Lh5Format.h"

namespace vantaro::lha {
namespace {

using namespace lh5;

constexpr std::uint32_t kHistory = kDictionarySize;
constexpr std::uint32_t kMaxDistance = kDictionarySize - 1;  // kept inside every decoder's ring
constexpr std::uint32_t kChunk = 16 * kDictionarySize;
constexpr std::uint32_t kPadding = 16;  // wide compares and hash loads may read past the data
constexpr std::uint32_t kBufferSize = kHistory + kChunk + kMaxMatch + kPadding;
constexpr int kHashBits = 15;
constexpr std::uint32_t kPrevMask = kDictionarySize - 1;

// Search effort, tuned on data-store text: chain steps per search, and the length that ends a
// search. Cutting the chain short once a good match is in hand, or skipping the look at the
// next position after a long match, costs several per cent of packed size on such text.
constexpr int kMaxChain = 128;
constexpr int kNiceLength = 128;

inline std::uint32_t Load32(const std::uint8_t* p) {
    std::uint32_t value;
    std::memcpy(&value, p, 4);
    return value;
}

inline std::uint64_t Load64(const std::uint8_t* p) {
    std::uint64_t value;
    std::memcpy(&value, p, 8);
    return value;
}

// The first three bytes at p, as the low 24 bits of a number.
inline std::uint32_t First3(const std::uint8_t* p) {
    return std::endian::native == std::endian::little ? Load32(p) & 0xFFFFFFu : Load32(p) >> 8;
}

inline std::uint32_t Hash4(const std::uint8_t* p) { return (Load32(p) * 2654435761u) >> (32 - kHashBits); }

// Length of the common prefix of a and b, up to limit.
inline int CommonLength(const std::uint8_t* a, const std::uint8_t* b, int limit) {
    int length = 0;
    while (length < limit) {
        const std::uint64_t difference = Load64(a + length) ^ Load64(b + length);
        if (difference != 0) {
            const int same = std::endian::native == std::endian::little ? std::countr_zero(difference) >> 3
                                                                        : std::countl_zero(difference) >> 3;
            return std::min(length + same, limit);
        }
        length += 8;
    }
    return limit;
}

class Lh5Encoder {
public:
    Lh5Encoder(ByteSource& input, std::uint64_t inputSize, ByteSink& output, std::uint64_t budget,
               const ProgressCallback& progress)
        : input_(input),
          inputSize_(inputSize),
          progress_(progress),
          bits_(output, budget),
          blocks_(bits_),
          window_(new std::uint8_t[kBufferSize]()),
          head_(new std::uint32_t[1u << kHashBits]()),
          prev_(new std::uint32_t[kDictionarySize]()) {}

    EncodeResult Run() {
        Fill();
        Parse();
        blocks_.Finish();
        bits_.Finish();
        return {bits_.BytesWritten(), read_, crc_.Value()};
    }

private:
    // Reads input until the buffer is full or the input ends.
    void Fill() {
        while (!ended_ && filled_ < kBufferSize - kPadding) {
            const std::size_t got = input_.Read(window_.get() + filled_, kBufferSize - kPadding - filled_);
            if (got == 0) {
                ended_ = true;
                break;
            }
            crc_.Update(window_.get() + filled_, got);
            filled_ += static_cast<std::uint32_t>(got);
            read_ += got;
        }
        std::memset(window_.get() + filled_, 0, kPadding);
        if (progress_) progress_(read_, inputSize_);
    }

    // Moves the window down by kChunk (a multiple of the dictionary size, so prev_ keeps its
    // indexing) and refills it.
    void Slide() {
        std::memmove(window_.get(), window_.get() + kChunk, filled_ - kChunk);
        filled_ -= kChunk;
        position_ -= kChunk;
        const auto rebase = [](std::uint32_t p) { return p >= kChunk ? p - kChunk : 0; };
        std::transform(head_.get(), head_.get() + (1u << kHashBits), head_.get(), rebase);
        std::transform(prev_.get(), prev_.get() + kDictionarySize, prev_.get(), rebase);
        Fill();
    }

    // Enters position p into its chain and returns the previous head.
    std::uint32_t Insert(std::uint32_t p) {
        std::uint32_t& head = head_[Hash4(window_.get() + p)];
        const std::uint32_t candidate = head;
        prev_[p & kPrevMask] = candidate;
        head = p;
        return candidate;
    }

    struct Match {
        int length = 0;
        std::uint32_t distance = 0;
        int gain = 0;  // bits saved over literals (Lh5Costs::Gain); matches are kept when positive
    };

    // The match at position_ that saves the most bits, searching the chain from candidate.
    // Candidates come nearest first, so a later one can only win by being longer than every
    // one before it.
    Match BestMatch(std::uint32_t candidate) const {
        Match best;
        const int limit = static_cast<int>(std::min<std::uint32_t>(kMaxMatch, filled_ - position_));
        if (limit < kMinMatch) return best;
        const Lh5Costs& costs = blocks_.Costs();
        const std::uint8_t* const scan = window_.get() + position_;
        int longest = kMinMatch - 1;
        int chain = kMaxChain;
        do {
            const std::uint8_t* const match = window_.get() + candidate;
            if (match[longest] != scan[longest] || First3(match) != First3(scan)) continue;
            const int length = CommonLength(match, scan, limit);
            if (length <= longest) continue;
            longest = length;
            const std::uint32_t distance = position_ - candidate;
            const int gain = costs.Gain(length, std::bit_width(distance - 1));
            if (gain > best.gain) best = {length, distance, gain};
            if (length >= kNiceLength || length >= limit) break;
        } while (--chain > 0 && position_ - (candidate = prev_[candidate & kPrevMask]) <= kMaxDistance);
        return best;
    }

    void Parse() {
        position_ = kHistory;
        Match pending;  // the match at position_ - 1
        bool literalPending = false;
        while (position_ < filled_) {
            if (!ended_ && filled_ - position_ <= kMaxMatch && position_ >= kHistory + kChunk) Slide();

            Match current;
            if (filled_ - position_ >= static_cast<std::uint32_t>(kMinMatch)) {
                const std::uint32_t candidate = Insert(position_);
                if (position_ - candidate <= kMaxDistance) current = BestMatch(candidate);
            }

            if (pending.length >= kMinMatch && current.gain <= pending.gain) {
                // The match that began one byte back wins; it covers this position too.
                blocks_.Match(pending.length, pending.distance);
                const std::uint32_t end = position_ - 1 + static_cast<std::uint32_t>(pending.length);
                const std::uint32_t lastHashable = filled_ - kMinMatch;
                for (std::uint32_t p = position_ + 1; p < end; ++p)
                    if (p <= lastHashable) Insert(p);
                position_ = end;
                literalPending = false;
                pending = Match{};
            } else {
                if (literalPending) blocks_.Literal(window_[position_ - 1]);
                literalPending = true;
                pending = current;
                ++position_;
            }
        }
        if (literalPending) blocks_.Literal(window_[position_ - 1]);
    }

    ByteSource& input_;
    std::uint64_t inputSize_;
    const ProgressCallback& progress_;
    BitWriter bits_;
    Lh5BlockWriter blocks_;
    std::unique_ptr<std::uint8_t[]> window_;
    std::unique_ptr<std::uint32_t[]> head_;
    std::unique_ptr<std::uint32_t[]> prev_;
    std::uint32_t filled_ = kHistory;
    std::uint32_t position_ = kHistory;
    bool ended_ = false;
    std::uint64_t read_ = 0;
    Crc16 crc_;
};

}  // namespace

EncodeResult EncodeLh5(ByteSource& input, std::uint64_t inputSize, ByteSink& output,
                       std::uint64_t budget, const ProgressCallback& progress) {
    return Lh5Encoder(input, inputSize, output, budget, progress).Run();
}

}  // namespace vantaro::lha
