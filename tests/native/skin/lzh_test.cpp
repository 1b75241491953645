#include "skin/format/lzh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "lzh_encoder.h"
#include "lzh_reference.h"
#include "sample_data.h"

namespace {

std::vector<uint8_t> BitStream(const std::vector<uint8_t>& compressed) {
  return {compressed.begin() + 4, compressed.end()};
}

int32_t DeclaredSize(const std::vector<uint8_t>& compressed) {
  int32_t size;
  std::memcpy(&size, compressed.data(), 4);
  return size;
}

// Runs the program's decoder over a bit stream, counting the calls it makes.
struct TDecodeRun {
  std::vector<uint8_t> output;
  int reads = 0;
  int writes = 0;
};

TDecodeRun Decode(const std::vector<uint8_t>& stream, int32_t size, TLzhMemory memory = DefaultLzhMemory()) {
  TDecodeRun run;
  size_t pos = 0;
  TLZH decoder(memory);
  decoder.Decode(
      size,
      [&](uint8_t* buffer, int32_t count) {
        ++run.reads;
        const size_t n = std::min(stream.size() - pos, static_cast<size_t>(count));
        std::memcpy(buffer, stream.data() + pos, n);
        pos += n;
        return static_cast<int32_t>(n);
      },
      [&](const uint8_t* buffer, int32_t count) {
        ++run.writes;
        run.output.insert(run.output.end(), buffer, buffer + count);
      });
  return run;
}

std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& input) {
  const std::vector<uint8_t> compressed = LzhCompress(input);
  EXPECT_EQ(DeclaredSize(compressed), static_cast<int32_t>(input.size()));
  return Decode(BitStream(compressed), DeclaredSize(compressed)).output;
}

TEST(LzhRoundTrip, EmptyOneByteTextRandomAndLongRuns) {
  std::vector<uint8_t> runs;
  for (int i = 0; i < 40; ++i) runs.insert(runs.end(), 1000 + 997 * i, static_cast<uint8_t>('a' + i % 3));
  const std::vector<std::vector<uint8_t>> inputs = {
      {}, {0x41}, {0x20}, sample::TextLike(300000, 7), sample::Random(70000, 3), runs,
      std::vector<uint8_t>(200000, 0)};
  for (const auto& input : inputs) {
    SCOPED_TRACE(input.size());
    EXPECT_EQ(RoundTrip(input), input);
  }
}

TEST(LzhRoundTrip, EmptyInputIsTheSizeFieldAlone) {
  EXPECT_EQ(LzhCompress({}), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(LzhRoundTrip, CompressesTextAndRunsAndBarelyGrowsRandomData) {
  const auto text = sample::TextLike(200000, 11);
  EXPECT_LT(LzhCompress(text).size(), text.size() / 2);
  EXPECT_LT(LzhCompress(std::vector<uint8_t>(100000, 'x')).size(), 100000u / 20);
  const auto noise = sample::Random(100000, 5);
  EXPECT_LT(LzhCompress(noise).size(), noise.size() * 103 / 100);
}

// The encoder's streams read the same with a decoder that shares no code with it.
TEST(LzhRoundTrip, TheIndependentDecoderReadsTheEncodersOutput) {
  for (const auto& input : {sample::TextLike(120000, 2), sample::Random(50000, 9)}) {
    const auto compressed = LzhCompress(input);
    EXPECT_EQ(reference::Decode(BitStream(compressed), DeclaredSize(compressed)).output, input);
  }
}

// Any bit string is a valid stream, so noise drives every path of the model: both decoders
// must agree byte for byte, reconstructions included.
TEST(LzhDecoder, AgreesWithTheIndependentDecoderOnArbitraryStreams) {
  for (uint32_t seed = 1; seed <= 4; ++seed) {
    const auto stream = sample::Random(50000 * seed, seed);  // the last ones run out early
    const int32_t size = 700000;
    const auto expected = reference::Decode(stream, size);
    EXPECT_GE(expected.reconstructions, 2);
    EXPECT_EQ(Decode(stream, size).output, expected.output) << "seed " << seed;
  }
}

TEST(LzhDecoder, ReconstructsTheTreeAfter32768SymbolsAndStillRoundTrips) {
  const auto input = sample::Random(100000, 21);  // nearly all literals: one symbol per byte
  const auto compressed = LzhCompress(input);
  const auto reference = reference::Decode(BitStream(compressed), DeclaredSize(compressed));
  EXPECT_GE(reference.reconstructions, 3);
  EXPECT_EQ(Decode(BitStream(compressed), DeclaredSize(compressed)).output, input);
}

TEST(LzhDecoder, MatchesIntoTheUnwrittenRingCopySpaces) {
  reference::TStreamWriter writer;
  writer.Match(3, 4095);  // starts at the write position itself, before anything is written
  writer.Literal('A');
  writer.Match(60, 100);  // 101 back: the initial fill
  writer.Match(4, 60);    // back to the 'A'
  const auto compressed = writer.Finish(68);
  std::vector<uint8_t> expected(3, ' ');
  expected.push_back('A');
  expected.insert(expected.end(), 60, ' ');
  expected.push_back('A');
  expected.insert(expected.end(), 3, ' ');
  EXPECT_EQ(Decode(BitStream(compressed), 68).output, expected);
}

// Matches of every copy kind (runs of one byte, short periods, copies from far back) and of
// many lengths, over several blocks of output, so copies meet the block ends too.
TEST(LzhDecoder, CopiesMatchesOfEveryDistanceAcrossBlocks) {
  reference::TStreamWriter writer;
  int64_t size = 0;
  const int distances[] = {1, 2, 3, 7, 8, 9, 15, 16, 17, 61, 4095, 4096};
  for (int round = 0; size < 300000; ++round)
    for (const int distance : distances)
      for (int length = 3 + round % 7; length <= 60; length += 8) {
        writer.Literal(static_cast<uint8_t>(round * 31 + distance + length));
        writer.Match(length, distance - 1);
        size += 1 + length;
      }
  const auto compressed = writer.Finish(static_cast<int32_t>(size));
  const auto expected = reference::Decode(BitStream(compressed), static_cast<int32_t>(size)).output;
  EXPECT_EQ(Decode(BitStream(compressed), static_cast<int32_t>(size)).output, expected);
}

// Symbols drawn so that each is about half as frequent as the one before give codes far
// longer than a byte; moving the favoured symbols now and then makes whole subtrees near the
// root change places. Both decoders must agree throughout, reconstructions included.
TEST(LzhDecoder, AgreesWithTheIndependentDecoderWhileCodesDeepenAndShift) {
  reference::TStreamWriter writer;
  reference::TModel model;  // follows the writer, to see how deep the codes went
  uint32_t seed = 77;
  int deepest = 0;
  int64_t size = 0;
  for (int i = 0; i < 200000; ++i) {
    const uint32_t r = sample::NextRandom(seed);
    const int rank = r == 0 ? 31 : __builtin_ctz(r);
    const int favoured = (i / 25000) * 37;
    int symbol = (favoured + rank * 3) % 256;
    if (r % 16 == 1)
      symbol = 256 + rank % 58;  // a match of 3 + rank % 58 bytes
    int depth = 0;
    for (int k = model.prnt[symbol + reference::kT]; k != reference::kR; k = model.prnt[k])
      ++depth;
    deepest = std::max(deepest, depth);
    model.Update(symbol);
    if (symbol < 256) {
      writer.Literal(static_cast<uint8_t>(symbol));
      size += 1;
    } else {
      writer.Match(symbol - 253, static_cast<int>(r >> 20));
      size += symbol - 253;
    }
  }
  EXPECT_GE(deepest, 14);
  const auto compressed = writer.Finish(static_cast<int32_t>(size));
  const auto expected = reference::Decode(BitStream(compressed), static_cast<int32_t>(size));
  EXPECT_GE(expected.reconstructions, 4);
  EXPECT_EQ(Decode(BitStream(compressed), static_cast<int32_t>(size)).output, expected.output);
}

TEST(LzhDecoder, FirstLiteralComesFromTheInitialFlatTree) {
  // In the initial tree every symbol sits 8 or 9 branches deep.
  for (const int symbol : {0, 0x41, 255}) {
    reference::TStreamWriter writer;
    writer.Literal(static_cast<uint8_t>(symbol));
    const auto stream = BitStream(writer.Finish(1));
    EXPECT_LE(stream.size(), 2u);
    EXPECT_EQ(Decode(stream, 1).output, std::vector<uint8_t>{static_cast<uint8_t>(symbol)});
  }
}

TEST(LzhDecoder, CopiesTheLastMatchWholePastTheRequestedSize) {
  reference::TStreamWriter writer;
  writer.Match(60, 5);
  EXPECT_EQ(Decode(BitStream(writer.Finish(1)), 1).output.size(), 60u);
  EXPECT_TRUE(Decode({}, 0).output.empty());
}

TEST(LzhDecoder, TruncatedInputReadsAsZeroBitsAndStopsAtTheSize) {
  const auto input = sample::TextLike(50000, 4);
  auto stream = BitStream(LzhCompress(input));
  stream.resize(stream.size() / 3);
  const auto run = Decode(stream, 50000);
  EXPECT_GE(run.output.size(), 50000u);
  EXPECT_LE(run.output.size(), 50000u + 59);
  EXPECT_EQ(run.output, reference::Decode(stream, 50000).output);
  EXPECT_EQ(std::vector<uint8_t>(run.output.begin(), run.output.begin() + 1000),
            std::vector<uint8_t>(input.begin(), input.begin() + 1000));
}

TEST(LzhDecoder, CallsItsCallbacksPerBlockNotPerByte) {
  const auto input = sample::TextLike(1 << 20, 8);
  const auto compressed = LzhCompress(input);
  const auto run = Decode(BitStream(compressed), DeclaredSize(compressed));
  EXPECT_EQ(run.output, input);
  EXPECT_LT(run.reads, 200);
  EXPECT_LT(run.writes, 40);
}

void* RefuseAllocation(size_t) { return nullptr; }
bool RefuseRelease(void* block) {
  std::free(block);
  return false;
}
void* Allocate(size_t bytes) { return std::malloc(bytes); }

TEST(LzhDecoder, ReportsTableMemoryFailuresWithTheirMessages) {
  try {
    Decode({1, 2, 3}, 10, {RefuseAllocation, RefuseRelease});
    FAIL() << "no exception";
  } catch (const ElzhException& e) {
    EXPECT_STREQ(e.what(), "LZH : Cannot get memory for dictionary tables");
  }
  try {
    Decode({1, 2, 3}, 10, {Allocate, RefuseRelease});
    FAIL() << "no exception";
  } catch (const ElzhException& e) {
    EXPECT_STREQ(e.what(), "LZH : Error freeing memory for dictionary tables");
  }
}

}  // namespace
