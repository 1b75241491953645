#include "framework/core/exceptions.h"
#include "framework/core/metafile_format.h"

#include "picture_bytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using namespace picture_bytes;

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

MetafileLayout Parse(const std::string& file) { return ParseMetafile(Bytes(file), file.size()); }

// A minimal enhanced metafile: the header record with a frame, then the end record.
std::string Emf(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  std::string emf;
  Put32(emf, 1);   // EMR_HEADER
  Put32(emf, 88);
  for (int32_t v : {0, 0, 100, 50})  // bounds in pixels
    Put32(emf, static_cast<uint32_t>(v));
  for (int32_t v : {left, top, right, bottom})
    Put32(emf, static_cast<uint32_t>(v));
  Put32(emf, 0x464D4520);
  Put32(emf, 0x10000);
  Put32(emf, 88 + 20);  // bytes
  Put32(emf, 2);        // records
  emf.resize(88, '\0');
  Put32(emf, 14);  // EMR_EOF
  Put32(emf, 20);
  Put32(emf, 0);
  Put32(emf, 0);
  Put32(emf, 20);
  return emf;
}

std::string WmfRecord(uint16_t function, std::initializer_list<int16_t> params) {
  std::string r;
  Put32(r, static_cast<uint32_t>(3 + params.size()));
  Put16(r, function);
  for (int16_t p : params)
    Put16(r, static_cast<uint16_t>(p));
  return r;
}

std::string Wmf(const std::string& records) {
  const std::string body = records + WmfRecord(0, {});
  std::string wmf;
  Put16(wmf, 1);
  Put16(wmf, 9);
  Put16(wmf, 0x0300);
  Put32(wmf, static_cast<uint32_t>((18 + body.size()) / 2));
  Put16(wmf, 0);
  Put32(wmf, 5);
  Put16(wmf, 0);
  return wmf + body;
}

std::string Placeable(int16_t right, int16_t bottom, uint16_t inch, const std::string& wmf) {
  std::string p;
  Put32(p, 0x9AC6CDD7);
  Put16(p, 0);
  for (int16_t v : {int16_t{0}, int16_t{0}, right, bottom})
    Put16(p, static_cast<uint16_t>(v));
  Put16(p, inch);
  Put32(p, 0);
  Put16(p, 0);  // checksum, not checked
  return p + wmf;
}

void ExpectInvalid(const std::string& file, const char* what) {
  try {
    Parse(file);
    ADD_FAILURE() << "accepted: " << what;
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message(), "Metafile is not valid") << what;
  }
}

TEST(Metafile, DamagedEnhancedFilesAreRefused) {
  const std::string good = Emf(0, 0, 100, 100);
  ExpectInvalid(Emf(0, 0, 0, 100), "empty frame");
  ExpectInvalid(Emf(100, 0, 0, 100), "inverted frame");
  std::string file = good;
  Poke32(file, 48, 200);
  ExpectInvalid(file, "longer than the file");
  file = good;
  Poke32(file, 88 + 4, 22);
  ExpectInvalid(file, "record size not a multiple of 4");
  file = good;
  Poke32(file, 88 + 4, 24);
  ExpectInvalid(file, "record running past the end");
  file = good;
  Poke32(file, 88, 70);
  ExpectInvalid(file, "no end record");
  file = good;
  Poke32(file, 4, 84);
  ExpectInvalid(file, "header record too short");
}

TEST(Metafile, SizesComeFromTheFrameTheBoxOrTheFirstWindowExtent) {
  const MetafileLayout emf = Parse(Emf(0, 0, 2540, 1270) + "trailing bytes are ignored");
  EXPECT_EQ(emf.size, 108u);
  EXPECT_EQ(MetafilePixels(emf.height, emf.unitsPerInch, 120), 60);

  const std::string wmf = Wmf(WmfRecord(0x020C, {-50, 100}) +  // SetWindowExt y, x
                              WmfRecord(0x020C, {7, 7}));       // a later one does not count
  const MetafileLayout plain = Parse(wmf);
  EXPECT_EQ(plain.width, 100);
  EXPECT_EQ(plain.height, 50) << "a flipping extent has a positive size";
  EXPECT_EQ(MetafilePixels(plain.width, plain.unitsPerInch, 144), 100) << "pixels already";
  ExpectInvalid(Wmf(WmfRecord(0x020B, {0, 0})), "no window extent");

  const MetafileLayout placeable = Parse(Placeable(1440, 720, 1440, wmf));
  EXPECT_EQ(placeable.offset, 22u);
  EXPECT_EQ(placeable.size, wmf.size());
  EXPECT_EQ(MetafilePixels(placeable.width, placeable.unitsPerInch, 96), 96);
  ExpectInvalid(Placeable(1440, 720, 0, wmf), "zero unit");
  ExpectInvalid(Placeable(0, 720, 1440, wmf), "empty box");
}

TEST(Metafile, DamagedWindowsRecordsAreRefused) {
  const std::string good = Wmf(WmfRecord(0x020C, {10, 10}));
  std::string file = good;
  file[0] = 3;
  ExpectInvalid(file, "type");
  file = good;
  file[4] = 0x00, file[5] = 0x02;
  ExpectInvalid(file, "version");
  file = good;
  Poke32(file, 6, 1000);
  ExpectInvalid(file, "size beyond the data");
  file = good;
  Poke32(file, 18, 0);
  ExpectInvalid(file, "record of length 0");
  file = good;
  Poke32(file, 18, 1000);
  ExpectInvalid(file, "record past the end");
  file = good.substr(0, good.size() - 6);
  Poke32(file, 6, static_cast<uint32_t>(file.size() / 2));
  ExpectInvalid(file, "no end record");
  ExpectInvalid("", "empty");
}

TEST(Metafile, TruncatedAndScrambledFilesNeverReadOutOfBounds) {
  for (const std::string& whole :
       {Emf(0, 0, 2540, 2540), Placeable(100, 100, 96, Wmf(WmfRecord(0x020C, {5, 5})))}) {
    for (size_t cut = 0; cut < whole.size(); ++cut)
      EXPECT_THROW(Parse(whole.substr(0, cut)), EInvalidGraphic) << cut;
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
      std::string scrambled = whole;
      for (int i = 0; i < 2; ++i)
        scrambled[random() % scrambled.size()] = static_cast<char>(random());
      try {
        const MetafileLayout m = Parse(scrambled);
        EXPECT_LE(m.offset + m.size, scrambled.size());
      } catch (const EInvalidGraphic&) {
      }
    }
  }
}

}  // namespace
