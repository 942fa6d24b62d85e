#include <gtest/gtest.h>

#include <functional>

#include "lha/BitReader.h"
#include "lha/BitWriter.h"
#include "lha/ByteStream.h"
#include "lha/Lh1TestEncoder.h"
#include "lha/LhaErrors.h"
#include "lha/LhaMethods.h"
#include "lha/LhaTestData.h"
#include "lha/LhaTestSupport.h"
#include "lha/TCompLHA.h"
#include "support/RunCommand.h"
#include "support/TempDir.h"

namespace vantaro::test {
namespace {

std::string Unpack(const std::string& packed, std::size_t size, TCompLHAMethod method) {
    lha::MemorySource source(packed);
    std::string output;
    lha::StringSink sink(output);
    const std::uint16_t crc = UnpackStream(source, packed.size(), size, sink, method);
    EXPECT_EQ(crc, CrcOf(output));
    EXPECT_EQ(output.size(), size);
    return output;
}

// An -lh5- stream written field by field.
std::string Stream(const std::function<void(lha::BitWriter&)>& write) {
    std::string bytes;
    lha::StringSink sink(bytes);
    lha::BitWriter bits(sink, UINT64_MAX);
    write(bits);
    bits.Finish();
    return bytes;
}

// Block header pieces: a tree of one symbol is its count field 0 and the symbol.
void OnlySymbol(lha::BitWriter& bits, int countBits, int symbol) {
    bits.Put(countBits, 0);
    bits.Put(countBits, static_cast<std::uint32_t>(symbol));
}
constexpr int kPreTreeBits = 5, kLiteralBits = 9, kPositionBits = 4;

TEST(BitReader, GivesTheBitsInOrderWhateverPiecesTheSourceDelivers) {
    const std::string bytes = RandomBytes(300, 5);
    const auto bitAt = [&](std::size_t i) { return (static_cast<unsigned char>(bytes[i / 8]) >> (7 - i % 8)) & 1u; };
    const int widths[] = {0, 1, 13, 0, 32, 7, 0, 0, 16, 3, 25, 9};
    for (const auto& pieces : {std::vector<std::size_t>{7, 64}, std::vector<std::size_t>{1}, std::vector<std::size_t>{8, 3, 100}}) {
        SCOPED_TRACE(pieces.size());
        TrickleSource source(bytes, pieces);
        lha::BitReader reader(source, bytes.size());
        std::size_t position = 0;
        for (int step = 0; position + 32 <= bytes.size() * 8; ++step) {
            const int width = widths[step % std::size(widths)];
            reader.Refill();  // as the decoders do before each symbol, whatever it then uses
            ASSERT_GE(reader.Count(), lha::BitReader::kMaxPeek);
            ASSERT_LE(reader.Count(), 63);
            std::uint32_t expected = 0;
            for (int i = 0; i < width; ++i) expected = expected << 1 | bitAt(position + static_cast<std::size_t>(i));
            if (width > 0) {
                EXPECT_EQ(reader.Peek(width), expected) << "at bit " << position;
            }
            reader.Skip(width);
            position += static_cast<std::size_t>(width);
        }
        EXPECT_FALSE(reader.Overrun());
    }
}

struct BadStream {
    const char* name;
    std::function<void(lha::BitWriter&)> write;
    std::size_t size;
    std::string message;
};

const std::string kBadTable = "Bad decode table in archive!";
const std::string kBadCrc = "Bad CRC during expansion -- data may be invalid";

TEST(Lh5Decoder, RejectsMalformedStreamsWithTheArchiveErrors) {
    const BadStream cases[] = {
        {"pre-tree count above 19", [](auto& b) { b.Put(16, 1); b.Put(kPreTreeBits, 20); }, 1, kBadTable},
        {"pre-tree length above 16", [](auto& b) {
             b.Put(16, 1); b.Put(kPreTreeBits, 1); b.Put(3, 7); b.Put(10, 0x3FF); b.Put(1, 0);
         }, 1, kBadTable},
        {"pre-tree symbol outside the alphabet", [](auto& b) { b.Put(16, 1); OnlySymbol(b, kPreTreeBits, 25); }, 1, kBadTable},
        {"literal count above 510", [](auto& b) { b.Put(16, 1); OnlySymbol(b, kPreTreeBits, 0); b.Put(kLiteralBits, 511); }, 1, kBadTable},
        {"literal symbol outside the alphabet", [](auto& b) {
             b.Put(16, 1); OnlySymbol(b, kPreTreeBits, 0); OnlySymbol(b, kLiteralBits, 510);
         }, 1, kBadTable},
        {"zero run past the count", [](auto& b) {
             b.Put(16, 1); OnlySymbol(b, kPreTreeBits, 2); b.Put(kLiteralBits, 10); b.Put(kLiteralBits, 0);
         }, 1, kBadTable},
        {"position count above 14", [](auto& b) {
             b.Put(16, 1); OnlySymbol(b, kPreTreeBits, 0); OnlySymbol(b, kLiteralBits, 65); b.Put(kPositionBits, 15);
         }, 1, kBadTable},
        {"over-subscribed lengths", [](auto& b) {  // three codes of one bit
             b.Put(16, 1); OnlySymbol(b, kPreTreeBits, 3); b.Put(kLiteralBits, 3);
         }, 1, kBadTable},
        {"a code outside an incomplete table", [](auto& b) {  // only the code 0 exists
             b.Put(16, 2); OnlySymbol(b, kPreTreeBits, 3); b.Put(kLiteralBits, 1); OnlySymbol(b, kPositionBits, 0);
             b.Put(1, 0); b.Put(1, 1);
         }, 2, kBadTable},
        {"a match past the unpacked size", [](auto& b) {
             b.Put(16, 1); OnlySymbol(b, kPreTreeBits, 0); OnlySymbol(b, kLiteralBits, 509); OnlySymbol(b, kPositionBits, 0);
         }, 100, kBadCrc},
        {"data that ends early", [](auto& b) {
             b.Put(16, 5); OnlySymbol(b, kPreTreeBits, 0); OnlySymbol(b, kLiteralBits, 'a'); OnlySymbol(b, kPositionBits, 0);
         }, 70000, kBadCrc},
        {"no data at all", [](auto&) {}, 10, kBadCrc},
    };
    for (const BadStream& test : cases) {
        SCOPED_TRACE(test.name);
        const std::string packed = Stream(test.write);
        try {
            Unpack(packed, test.size, TCompLHAMethod::Lh5);
            ADD_FAILURE() << "no error";
        } catch (const ECompLHA& error) {
            EXPECT_EQ(error.what(), test.message);
        }
    }
}

TEST(Lh5Decoder, TheDictionaryStartsAsSpaces) {
    // One block of a single match code: length 3 at the greatest distance, 8192.
    const std::string packed = Stream([](auto& b) {
        b.Put(16, 1); OnlySymbol(b, kPreTreeBits, 0); OnlySymbol(b, kLiteralBits, 256); OnlySymbol(b, kPositionBits, 13);
        b.Put(12, 0xFFF);
    });
    EXPECT_EQ(Unpack(packed, 3, TCompLHAMethod::Lh5), "   ");
}

TEST(Lh5Decoder, CutDataFailsAtEveryLength) {
    const std::string text = StoreLikeText(20'000, 8);
    lha::MemorySource source(text);
    std::string packed;
    lha::StringSink sink(packed);
    PackStream(source, text.size(), sink, TCompLHAMethod::Lh5);
    for (std::size_t length = 0; length < packed.size(); length += 1 + length / 8) {
        SCOPED_TRACE(length);
        EXPECT_THROW(Unpack(packed.substr(0, length), text.size(), TCompLHAMethod::Lh5), ECompLHA);
    }
}

TEST(RleDecoder, EscapesAndRepeats) {
    const struct {
        std::string packed;
        std::string output;
    } cases[] = {
        {std::string("\x94\x00", 2), "\x94"},
        {"A\x94\x04", "AAAA"},
        {"A\x94\x01", "A"},
        {"A\x94\x03\x94\x02Z", "AAA\x94Z"},
        {"xy", "xy"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.output);
        EXPECT_EQ(Unpack(test.packed, test.output.size(), TCompLHAMethod::Rle), test.output);
    }
}

TEST(RleDecoder, BrokenStreamsFail) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"A\x94", 2},           // escape at the end
        {"A\x94\xFF", 10},      // repeats past the unpacked size
        {"ABC", 4},             // input ends early
    };
    for (const auto& [packed, size] : cases) {
        SCOPED_TRACE(packed);
        EXPECT_THROW(Unpack(packed, size, TCompLHAMethod::Rle), ECompLHABadCRC);
    }
}

TEST(StoredMethod, ShortDataFails) {
    EXPECT_THROW(Unpack("abc", 4, TCompLHAMethod::Lh0), ECompLHABadCRC);
}

std::vector<std::pair<std::string, std::string>> Lh1Inputs() {
    std::string everyByte;
    for (int round = 0; round < 8; ++round)
        for (int c = 0; c < 256; ++c) everyByte += static_cast<char>(c);
    return {
        {"store text", LhaFixture("Vantaro.xml")},
        {"leading spaces", std::string(300, ' ') + "then text" + std::string(70, ' ')},
        {"every byte value", everyByte},
        // Enough symbols for the adaptive tree to be rebuilt several times.
        {"long mixed", RandomBytes(40'000, 3) + StoreLikeText(20'000, 4)},
    };
}

TEST(Lh1Decoder, UnpacksAdaptiveHuffmanData) {
    for (const auto& [name, input] : Lh1Inputs()) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Unpack(EncodeLh1ForTest(input), input.size(), TCompLHAMethod::Lh1), input);
    }
    TCompLHA archiver;
    EXPECT_EQ(archiver.ExtractText(LhaFixturePath("lh1-made-here.lzh").string(), "Vantaro.xml"),
              LhaFixture("Vantaro.xml").substr(0, 4000));
}

TEST(Lh1Decoder, AgreesWithLhasa) {
    if (!HavePeer("lhasa")) GTEST_SKIP() << "lhasa is not installed";
    TempDir dir;
    for (const auto& [name, input] : Lh1Inputs()) {
        SCOPED_TRACE(name);
        HandMember member = MemberOf("data.bin", input);
        member.header.method = "-lh1-";
        member.data = EncodeLh1ForTest(input);
        member.header.packedSize = member.data.size();
        WriteFileBytes(dir / "lh1.lzh", ArchiveOf({member}));
        const CommandResult result = RunCommand("lhasa pq " + ShellQuote((dir / "lh1.lzh").string()));
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.out, input);
    }
}

}  // namespace
}  // namespace vantaro::test
