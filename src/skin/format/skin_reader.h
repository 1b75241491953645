#pragma once
// Reader of a skin package: decompresses it, parses its header and entry table and hands out
// single entries by name.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/format/memory_stream.h"

inline constexpr const char* kOlderSkinMessage =
    "This is Older Skin File\rPlease update to new version !";

class TSkinReader {
public:
  static constexpr int32_t MaxEntries = 1001;
  // Largest package accepted: skins are a few hundred kilobytes, and a hostile size field
  // must not make the reader allocate or decode without bound.
  static constexpr int32_t DefaultMaxPackageSize = 64 * 1024 * 1024;

  // Shows the message for an unknown package version; empty by default. The Windows program
  // sets a message box here, the authoring tool prints to stderr.
  static std::function<void(const std::string&)> Notify;

  TSkinReader() = default;

  // Bytes of the uninterpreted information block that follows the header, or -1 when the
  // version is not one of the known codes.
  static int32_t InformationBlockSize(uint32_t version);

  // True when the package decompressed and parsed soundly with one of the known versions.
  // On false the reader keeps what it held before. Throws ElzhException when the
  // decompressor cannot get its tables.
  bool LoadPackage(TMemoryStream& compressed);

  // The first entry named name (compared lower-cased); out is left empty when none is.
  void ExtractEntry(const std::string& name, TMemoryStream& out) const;
  // The same entry's bytes where the reader holds them, valid until it loads another package
  // or goes; empty when there is none.
  std::string_view EntryBytes(const std::string& name) const;
  // The first entry whose stored name contains fragment, case-sensitively; foundName is only
  // set when one does. An empty fragment finds nothing.
  void ExtractEntryContaining(const std::string& fragment, TMemoryStream& out,
                              std::string& foundName) const;
  // Entry index in table order; out is left empty for an index out of range.
  void ExtractEntryAt(int32_t index, TMemoryStream& out) const;

  // Decompresses one compressed skin (4-byte size, then the bit stream) from in into out.
  // False, with out untouched, when the declared size is negative or above the size limit;
  // false too when the stream ends before the declared size is decoded (a cut-off package).
  bool Unpack(TMemoryStream& in, TMemoryStream& out) const;

  const std::vector<std::string>& EntryNames() const { return names_; }
  int32_t EntryCount() const { return count_; }
  const std::array<int32_t, MaxEntries>& EntrySizes() const { return sizes_; }
  const TMemoryStream& Data() const { return data_; }
  uint32_t Version() const { return version_; }
  int32_t NamesLength() const { return namesLength_; }

  // Tests and the fuzzer lower the limit to keep hostile inputs quick.
  void SetMaxPackageSize(int32_t bytes) { maxPackageSize_ = bytes; }

private:
  void CopyEntry(int32_t index, int64_t offset, TMemoryStream& out) const;

  std::vector<std::string> names_;                  // entry names, lower-cased
  int32_t count_ = 0;                               // number of entries
  std::array<int32_t, MaxEntries> sizes_{};         // byte count of each entry, in table order
  TMemoryStream data_;                              // the data area: all entries, back to back
  uint32_t version_ = 0;                            // first header field
  int32_t namesLength_ = 0;                         // second header field: length of the names text
  int32_t maxPackageSize_ = DefaultMaxPackageSize;  // largest declared size that is decoded
};
