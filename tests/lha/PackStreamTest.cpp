#include <gtest/gtest.h>

#include "lha/ByteStream.h"
#include "lha/Crc16.h"
#include "lha/Lh5Encoder.h"
#include "lha/LhaErrors.h"
#include "lha/LhaMethods.h"
#include "lha/LhaTestData.h"
#include "lha/LhaTestSupport.h"

namespace vantaro::test {
namespace {

using lha::MemorySource;
using lha::StringSink;

std::string Pack(const std::string& input, TCompLHAMethod method, PackResult* result = nullptr) {
    MemorySource source(input);
    std::string packed;
    StringSink sink(packed);
    const PackResult packResult = PackStream(source, input.size(), sink, method);
    if (result) *result = packResult;
    return packed;
}

std::string Unpack(const std::string& packed, std::size_t size, TCompLHAMethod method,
                   std::uint16_t* crc = nullptr) {
    MemorySource source(packed);
    std::string output;
    StringSink sink(output);
    const std::uint16_t value = UnpackStream(source, packed.size(), size, sink, method);
    if (crc) *crc = value;
    return output;
}

TEST(Crc16, MatchesTheCheckValueAndIsIncremental) {
    const std::string text = "123456789";
    EXPECT_EQ(CrcOf(text), 0xBB3D);
    EXPECT_EQ(CrcOf(""), 0);
    const std::string long_ = StoreLikeText(1000, 3);
    lha::Crc16 crc;
    crc.Update(reinterpret_cast<const std::uint8_t*>(long_.data()), 333);
    crc.Update(reinterpret_cast<const std::uint8_t*>(long_.data()) + 333, long_.size() - 333);
    EXPECT_EQ(crc.Value(), CrcOf(long_));
}

struct RoundTrip {
    const char* name;
    std::string input;
};

std::string RepeatedPattern(std::size_t size, std::size_t period) {
    const std::string pattern = RandomBytes(period, 11);
    std::string text;
    while (text.size() < size) text += pattern;
    text.resize(size);
    return text;
}

TEST(Lh5Codec, RoundTripsAndReportsSizesAndCrc) {
    const RoundTrip cases[] = {
        {"one byte", "x"},
        {"two bytes", "xy"},
        {"one repeated byte", std::string(1'000'000, 'a')},
        {"short text", "the rain in spain stays mainly in the plain; the rain, the plain"},
        {"store text", StoreLikeText(300'000, 1)},
        // Matches at the greatest distance the encoder uses.
        {"period 8191", RepeatedPattern(40'000, 8191)},
        // More than one block of symbols, and blocks of a single literal or match code.
        {"many blocks", StoreLikeText(1'500'000, 2) + RandomBytes(70'000, 5) + std::string(70'000, 'q')},
        {"every byte value", [] {
             std::string all;
             for (int round = 0; round < 40; ++round)
                 for (int c = 0; c < 256; ++c) all += static_cast<char>((c * 7 + round) & 0xFF);
             return all;
         }()},
    };
    for (const RoundTrip& test : cases) {
        SCOPED_TRACE(test.name);
        // No budget, so that inputs too short to gain still go through the codec.
        MemorySource source(test.input);
        std::string packed;
        StringSink sink(packed);
        const lha::EncodeResult result = lha::EncodeLh5(source, test.input.size(), sink, UINT64_MAX, {});
        EXPECT_EQ(result.packedSize, packed.size());
        EXPECT_EQ(result.unpackedSize, test.input.size());
        EXPECT_EQ(result.crc, CrcOf(test.input));
        std::uint16_t crc = 0;
        EXPECT_EQ(Unpack(packed, test.input.size(), TCompLHAMethod::Lh5, &crc), test.input);
        EXPECT_EQ(crc, result.crc);
        // The same data arriving in small pieces, so the decoder's buffer runs dry at every offset.
        for (const auto& pieces : {std::vector<std::size_t>{1}, std::vector<std::size_t>{7, 8, 9, 3, 64, 5, 4096}}) {
            TrickleSource trickle(packed, pieces);
            std::string output;
            StringSink sink(output);
            EXPECT_EQ(UnpackStream(trickle, packed.size(), test.input.size(), sink, TCompLHAMethod::Lh5), result.crc);
            EXPECT_EQ(output, test.input);
        }
    }
}

TEST(PackStream, EmptyInputPacksToNothingWithCrcZero) {
    PackResult result;
    EXPECT_EQ(Pack("", TCompLHAMethod::Lh5, &result), "");
    EXPECT_EQ(result.crc, 0);
    EXPECT_EQ(Unpack("", 0, TCompLHAMethod::Lh5), "");
}

TEST(PackStream, OneRepeatedBytePacksFarBelowItsSize) {
    EXPECT_LT(Pack(std::string(100'000, 'z'), TCompLHAMethod::Lh5).size(), 1000u);
}

TEST(PackStream, IncompressibleInputStopsWithinTheBudget) {
    for (const std::size_t size : {std::size_t{5}, std::size_t{200'000}}) {
        SCOPED_TRACE(size);
        const std::string input = RandomBytes(size, 7);
        MemorySource source(input);
        std::string packed;
        StringSink sink(packed);
        try {
            PackStream(source, input.size(), sink, TCompLHAMethod::Lh5);
            ADD_FAILURE() << "random bytes compressed";
        } catch (const ECompLHACannotCompress& error) {
            EXPECT_STREQ(error.what(), "Could not compress data, will store instead");
        }
        EXPECT_LE(packed.size(), input.size());
    }
}

TEST(PackStream, StoredMethodCopiesTheData) {
    const std::string input = RandomBytes(100'000, 9);
    PackResult result;
    const std::string packed = Pack(input, TCompLHAMethod::Lh0, &result);
    EXPECT_EQ(packed, input);
    EXPECT_EQ(result.crc, CrcOf(input));
    EXPECT_EQ(Unpack(packed, input.size(), TCompLHAMethod::Lh0), input);
}

TEST(PackStream, ReportsProgressUpToTheTotal) {
    const std::string input = StoreLikeText(1'000'000, 4);
    MemorySource source(input);
    std::string packed;
    StringSink sink(packed);
    std::uint64_t lastDone = 0;
    int calls = 0;
    PackStream(source, input.size(), sink, TCompLHAMethod::Lh5, [&](std::uint64_t done, std::uint64_t total) {
        EXPECT_GE(done, lastDone);
        EXPECT_EQ(total, input.size());
        lastDone = done;
        ++calls;
    });
    EXPECT_EQ(lastDone, input.size());
    EXPECT_GT(calls, 2);

    calls = 0;
    MemorySource packedSource(packed);
    std::string output;
    StringSink outputSink(output);
    UnpackStream(packedSource, packed.size(), input.size(), outputSink, TCompLHAMethod::Lh5,
                 [&](std::uint64_t done, std::uint64_t total) {
                     EXPECT_EQ(total, input.size());
                     lastDone = done;
                     ++calls;
                 });
    EXPECT_EQ(lastDone, input.size());
    EXPECT_GT(calls, 2);
}

TEST(PackStream, MethodIdentifiers) {
    EXPECT_EQ(MethodIdentifier(TCompLHAMethod::Lh0), "-lh0-");
    EXPECT_EQ(MethodIdentifier(TCompLHAMethod::Lh1), "-lh1-");
    EXPECT_EQ(MethodIdentifier(TCompLHAMethod::Lh5), "-lh5-");
    EXPECT_EQ(MethodIdentifier(TCompLHAMethod::Rle), "-rle-");
    EXPECT_EQ(MethodFromIdentifier("-rle-"), TCompLHAMethod::Rle);
    EXPECT_FALSE(MethodFromIdentifier("-lh6-").has_value());
}

}  // namespace
}  // namespace vantaro::test
