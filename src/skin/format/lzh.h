#pragma once
// Decompressor of the skin compression method: LZSS over a 4096-byte ring, with adaptive Huffman
// coding of literals and match lengths and a fixed prefix code for match positions.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhFreeErrorMessage =
    "LZH : Error freeing memory for dictionary tables";

class ElzhException : public std::exception {
public:
  explicit ElzhException(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

private:
  std::string message_;
};

// Delivers up to count bytes into buffer; returns how many (0 at the end of the input).
using TLzhRead = std::function<int32_t(uint8_t* buffer, int32_t count)>;
// Appends count bytes to the output.
using TLzhWrite = std::function<void(const uint8_t* buffer, int32_t count)>;

// Where the decoder's tables come from. Release reports whether the block was given back.
struct TLzhMemory {
  void* (*Allocate)(size_t bytes);
  bool (*Release)(void* block);
};

TLzhMemory DefaultLzhMemory();

class TLZH {
public:
  explicit TLZH(TLzhMemory memory = DefaultLzhMemory()) : memory_(memory) {}

  // Decodes until at least size bytes have been written. A match is always copied whole, so
  // up to 59 bytes more may follow; input that ends early reads as zero bits. The callbacks
  // are called once per block of input or output, not per byte. Returns false when the input
  // ended early, so what was written is partly made of those zero bits.
  bool Decode(int32_t size, const TLzhRead& read, const TLzhWrite& write);

private:
  TLzhMemory memory_;  // source of the tables, allocated for each Decode
};
