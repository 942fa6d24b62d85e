#pragma once

// The -lh5- method: LZSS over an 8192-byte dictionary with static Huffman codes per block.
//
// Output symbols are literals (0..255) and matches; a match of length L (3..256) is the symbol
// L + 253 of the literal/length alphabet, followed by its distance D (1..8192) as a position code
// j of the position alphabet: D - 1 = j for j <= 1, otherwise D - 1 = 2^(j-1) + (j - 1) extra bits
// sent plainly after the code. Bits are written most significant first.
//
// The data is a sequence of blocks with no end marker (decoding stops at the unpacked size):
//   16 bits  number of symbols in the block (an encoder never writes 0)
//   pre-tree: the code lengths of the code-length alphabet (19 symbols)
//       5 bits count n; n = 0: 5 more bits give the only symbol (a code of no bits)
//       otherwise n lengths, each 3 bits, where 7 is extended by one per following 1-bit up to a
//       0-bit; after the third length, 2 bits give a number of zero lengths that follow
//   literal/length tree (510 symbols)
//       9 bits count n; n = 0: 9 more bits give the only symbol
//       otherwise n lengths coded with the pre-tree: symbol 0 one zero length, 1 then 4 bits
//       k: k + 3 zero lengths, 2 then 9 bits k: k + 20 zero lengths, s >= 3 the length s - 2
//   position tree (14 symbols)
//       4 bits count n; n = 0: 4 more bits give the only symbol
//       otherwise n lengths as in the pre-tree but without the 2-bit field
//   the block's symbols
// Codes are canonical (by length, then symbol) and at most 16 bits long. After the last block
// the encoder pads the last byte with zero bits.

#include <cstdint>

namespace vantaro::lha::lh5 {

constexpr int kDictionaryBits = 13;
constexpr int kDictionarySize = 1 << kDictionaryBits;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 256;
constexpr int kLiterals = 256;
constexpr int kLengthOffset = kLiterals - kMinMatch;                  // symbol = length + 253
constexpr int kLiteralLengthSymbols = kLiterals + kMaxMatch - kMinMatch + 1;  // 510
constexpr int kPositionSymbols = kDictionaryBits + 1;                 // 14
constexpr int kCodeLengthSymbols = 16 + 3;                            // 19: lengths 1..16, 3 run codes

constexpr int kBlockSizeBits = 16;
constexpr int kCodeLengthCountBits = 5;
constexpr int kLiteralCountBits = 9;
constexpr int kPositionCountBits = 4;
constexpr int kPlainLengthBits = 3;        // code lengths 0..6 of the pre-tree and position tree
constexpr int kPlainLengthEscape = 7;      // then unary extension
constexpr int kZeroSkipAfter = 3;          // the pre-tree's 2-bit zero run follows the 3rd length
constexpr int kZeroSkipBits = 2;
constexpr int kShortZeroRunBits = 4;       // run of 3..18 zero lengths
constexpr int kShortZeroRunBase = 3;
constexpr int kLongZeroRunBase = 20;       // run of 20.. zero lengths, in kLiteralCountBits bits

}  // namespace vantaro::lha::lh5
