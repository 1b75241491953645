// Decode throughput of the skin decompressor side by side with a textbook decoder of the same
// method (the tests' independent decoder: 16-bit bit buffer, one bit per tree step, linear scan
// in the model update), in interleaved rounds, and the time of one skin-sized package load.
// Meaningful only from an optimised build without sanitizers (see docs/skin-authoring.md).
//
//   lzh_bench [--rounds N] [NAME=FILE ...]
//
// Files given with the same NAME are concatenated into one input; 16 MiB of random bytes are
// always measured. bench/lzh/real_inputs.sh passes Debian's text files and the default skin's
// bitmaps.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "lzh_encoder.h"
#include "lzh_reference.h"
#include "package_writer.h"
#include "sample_data.h"
#include "skin/format/lzh.h"
#include "skin/format/lzh_model.h"
#include "skin/format/skin_reader.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Decoding is timed in processor time of this thread where the system offers it, so that the
// other work of a shared machine does not count; elsewhere in elapsed time.
#ifdef CLOCK_THREAD_CPUTIME_ID
constexpr const char* kDecodeClock = "thread processor time";
double DecodeClock() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
#else
constexpr const char* kDecodeClock = "elapsed time";
double DecodeClock() { return std::chrono::duration<double>(Clock::now().time_since_epoch()).count(); }
#endif

// The machine's load average, where the system tells it.
std::string LoadAverage() {
  std::ifstream file("/proc/loadavg");
  std::string one, five, fifteen;
  return file >> one >> five >> fifteen ? one + " " + five + " " + fifteen : "unknown";
}

// Each timed sample decodes at least this much, so that small inputs are timed over many runs.
constexpr size_t kSampleBytes = 8 * 1024 * 1024;

struct TInput {
  std::string name;
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> compressed;
  std::vector<double> fast, textbook;  // MB/s per round
  bool same = true;
};

std::vector<uint8_t> DecodeFast(const TInput& input) {
  std::vector<uint8_t> output(input.bytes.size() + lzh::F);
  size_t in = 4, out = 0;
  TLZH decoder;
  decoder.Decode(
      static_cast<int32_t>(input.bytes.size()),
      [&](uint8_t* buffer, int32_t count) {
        const size_t n = std::min(input.compressed.size() - in, static_cast<size_t>(count));
        std::memcpy(buffer, input.compressed.data() + in, n);
        in += n;
        return static_cast<int32_t>(n);
      },
      [&](const uint8_t* buffer, int32_t count) {
        std::memcpy(output.data() + out, buffer, static_cast<size_t>(count));
        out += static_cast<size_t>(count);
      });
  output.resize(out);
  return output;
}

std::vector<uint8_t> DecodeTextbook(const TInput& input) {
  const std::vector<uint8_t> stream(input.compressed.begin() + 4, input.compressed.end());
  return reference::Decode(stream, static_cast<int32_t>(input.bytes.size())).output;
}

// MB/s of one sample; the output of its last run is checked against the input.
template <class Decoder>
double Sample(TInput& input, Decoder&& decode) {
  const size_t runs = std::max<size_t>(1, kSampleBytes / std::max<size_t>(1, input.bytes.size()));
  std::vector<uint8_t> output;
  const double start = DecodeClock();
  for (size_t i = 0; i < runs; ++i)
    output = decode(input);
  const double seconds = DecodeClock() - start;
  output.resize(std::min(output.size(), input.bytes.size()));
  input.same = input.same && output == input.bytes;
  return static_cast<double>(runs * input.bytes.size()) / 1e6 / seconds;
}

struct TSpread {
  double min, median, max;
};

TSpread Spread(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return {v.front(), v[v.size() / 2], v.back()};
}

void PrintTable(const std::vector<TInput>& inputs, int rounds) {
  std::printf("\n%d interleaved rounds, timed in %s; decode MB/s as min / median / max; "
              "ratio = this / textbook per round\n\n",
              rounds, kDecodeClock);
  std::printf("%-16s %7s %6s  %-23s %-23s %-19s %s\n", "input", "MB", "packed", "this decoder",
              "textbook decoder", "ratio", "output");
  for (const TInput& in : inputs) {
    std::vector<double> ratios;
    for (size_t i = 0; i < in.fast.size(); ++i)
      ratios.push_back(in.fast[i] / in.textbook[i]);
    const TSpread f = Spread(in.fast), t = Spread(in.textbook), r = Spread(ratios);
    std::printf("%-16s %7.2f %5.1f%%  %6.1f %7.1f %7.1f  %6.1f %7.1f %7.1f  %5.2f %5.2f %5.2f  %s\n",
                in.name.c_str(), static_cast<double>(in.bytes.size()) / 1e6,
                100.0 * static_cast<double>(in.compressed.size()) / static_cast<double>(std::max<size_t>(1, in.bytes.size())),
                f.min, f.median, f.max, t.min, t.median, t.max, r.min, r.median, r.max,
                in.same ? "ok" : "MISMATCH");
  }
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
  std::vector<double> times;
  for (int i = 0; i < 20; ++i) {
    const auto start = Clock::now();
    TMemoryStream stream(compressed);
    TSkinReader reader;
    reader.LoadPackage(stream);
    times.push_back(Seconds(start) * 1e3);
  }
  const TSpread s = Spread(times);
  std::printf("\nLoadPackage of a %zu-byte skin (%zu compressed), 20 runs: median %.3f ms (min %.3f, max %.3f)\n",
              BuildPackage(entries).size(), compressed.size(), s.median, s.min, s.max);
}

std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    std::fprintf(stderr, "cannot read %s\n", path.c_str());
    std::exit(2);
  }
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TInput& InputNamed(std::vector<TInput>& inputs, const std::string& name) {
  for (TInput& in : inputs)
    if (in.name == name)
      return in;
  inputs.push_back({name, {}, {}, {}, {}, true});
  return inputs.back();
}

}  // namespace

int main(int argc, char** argv) {
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
  std::printf("note: built without optimisation or with sanitizers; figures are not representative\n\n");
#endif
  int rounds = 7;
  std::vector<TInput> inputs;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const size_t eq = arg.find('=');
    if (arg == "--rounds" && i + 1 < argc) {
      rounds = std::max(1, std::atoi(argv[++i]));
    } else if (eq != std::string::npos && eq > 0) {
      const std::vector<uint8_t> bytes = ReadFile(arg.substr(eq + 1));
      TInput& in = InputNamed(inputs, arg.substr(0, eq));
      in.bytes.insert(in.bytes.end(), bytes.begin(), bytes.end());
    } else {
      std::fprintf(stderr, "usage: lzh_bench [--rounds N] [NAME=FILE ...]\n");
      return 2;
    }
  }
  InputNamed(inputs, "random").bytes = sample::Random(16 * 1024 * 1024, 2);
  std::printf("load average before: %s\n", LoadAverage().c_str());

  std::printf("%-16s %10s %10s %12s\n", "input", "bytes", "packed", "encode MB/s");
  for (TInput& in : inputs) {
    const auto start = Clock::now();
    in.compressed = LzhCompress(in.bytes);
    std::printf("%-16s %10zu %10zu %12.1f\n", in.name.c_str(), in.bytes.size(), in.compressed.size(),
                static_cast<double>(in.bytes.size()) / 1e6 / Seconds(start));
  }
  for (int round = 0; round < rounds; ++round)
    for (TInput& in : inputs) {
      // Alternate which decoder goes first, so neither always meets a warm or a cold cache.
      if (round % 2 == 0) {
        in.fast.push_back(Sample(in, DecodeFast));
        in.textbook.push_back(Sample(in, DecodeTextbook));
      } else {
        in.textbook.push_back(Sample(in, DecodeTextbook));
        in.fast.push_back(Sample(in, DecodeFast));
      }
    }
  PrintTable(inputs, rounds);
  std::printf("load average after: %s\n", LoadAverage().c_str());
  LoadRow();
  bool same = true;
  for (const TInput& in : inputs)
    same = same && in.same;
  return same ? 0 : 1;
}
