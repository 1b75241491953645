// Decode throughput of the skin decompressor, and the time of one skin-sized package load.
// Meaningful only from an optimised build without sanitizers (see docs/skin-authoring.md).
// Files named on the command line get a row each.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lzh_encoder.h"
#include "package_writer.h"
#include "sample_data.h"
#include "skin/format/lzh.h"
#include "skin/format/skin_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Best of several runs, in seconds.
template <class F>
double Best(int runs, F&& f) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    f();
    best = std::min(best, Seconds(start));
  }
  return best;
}

void DecodeRow(const char* name, const std::vector<uint8_t>& input) {
  const auto encodeStart = Clock::now();
  const std::vector<uint8_t> compressed = LzhCompress(input);
  const double encodeSeconds = Seconds(encodeStart);

  std::vector<uint8_t> output(input.size() + 64);
  const double decodeSeconds = Best(5, [&] {
    size_t in = 4, out = 0;
    TLZH decoder;
    decoder.Decode(
        static_cast<int32_t>(input.size()),
        [&](uint8_t* buffer, int32_t count) {
          const size_t n = std::min(compressed.size() - in, static_cast<size_t>(count));
          std::memcpy(buffer, compressed.data() + in, n);
          in += n;
          return static_cast<int32_t>(n);
        },
        [&](const uint8_t* buffer, int32_t count) {
          std::memcpy(output.data() + out, buffer, static_cast<size_t>(count));
          out += static_cast<size_t>(count);
        });
  });
  const bool same = std::equal(input.begin(), input.end(), output.begin());
  const double mb = static_cast<double>(input.size()) / 1e6;
  std::printf("%-22s %9.2f %9.2f %7.1f%% %10.1f %10.1f  %s\n", name, mb,
              static_cast<double>(compressed.size()) / 1e6,
              100.0 * static_cast<double>(compressed.size()) / static_cast<double>(input.size()),
              mb / decodeSeconds, mb / encodeSeconds, same ? "ok" : "MISMATCH");
}

// A package shaped like the shipped skin: 34 bitmaps and a description, about 256 KB.
void LoadRow() {
  std::vector<TPackageEntry> entries;
  for (int i = 0; i < 34; ++i) {
    std::vector<uint8_t> bitmap = sample::Random(600, 100 + i);  // a little noise in each picture
    bitmap.resize(7400, static_cast<uint8_t>(0xC0 + i));          // then flat colour
    entries.push_back({"bitmap" + std::to_string(i) + ".bmp", bitmap});
  }
  entries.push_back({"skin.ini", sample::TextLike(3400, 5)});
  const std::vector<uint8_t> compressed = BuildCompressedPackage(entries);
  const double seconds = Best(20, [&] {
    TMemoryStream stream(compressed);
    TSkinReader reader;
    reader.LoadPackage(stream);
  });
  std::printf("\nLoadPackage of a %zu-byte skin (%zu compressed): %.3f ms\n",
              BuildPackage(entries).size(), compressed.size(), seconds * 1e3);
}

}  // namespace

int main(int argc, char** argv) {
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
  std::printf("note: built without optimisation or with sanitizers; figures are not representative\n\n");
#endif
  constexpr size_t kSize = 16 * 1024 * 1024;
  std::printf("%-22s %9s %9s %8s %10s %10s\n", "input", "MB", "packed", "ratio", "decode MB/s",
              "encode MB/s");
  DecodeRow("text-like", sample::TextLike(kSize, 1));
  DecodeRow("random", sample::Random(kSize, 2));
  DecodeRow("zeros", std::vector<uint8_t>(kSize, 0));
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                     std::istreambuf_iterator<char>()};
    DecodeRow(argv[i], bytes);
  }
  LoadRow();
  return 0;
}
