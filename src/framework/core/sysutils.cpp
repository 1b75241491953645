#include "framework/core/sysutils.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

#include <cstdint>

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

unsigned char FoldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

}  // namespace

bool TryParseInteger(const std::string& s, THexPrefixes prefixes, int& out) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ')
    ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-'))
    negative = s[i++] == '-';

  bool hex = false;
  if (i < s.size() && s[i] == '$') {
    hex = true;
    ++i;
  } else if (prefixes == THexPrefixes::DollarOrX) {
    if (i < s.size() && (s[i] == 'x' || s[i] == 'X')) {
      hex = true;
      ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
      hex = true;
      i += 2;
    }
  }
  if (i == s.size())
    return false;  // no digits at all

  uint64_t magnitude = 0;
  const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  for (; i < s.size(); ++i) {
    const int digit = hex ? HexDigit(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
    if (digit < 0)
      return false;
    magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (magnitude > limit)
      return false;
  }
  uint32_t bits = static_cast<uint32_t>(magnitude);
  if (negative)
    bits = 0u - bits;
  out = static_cast<int>(bits);
  return true;
}

bool TryStrToInt(const std::string& s, int& out) {
  return TryParseInteger(s, THexPrefixes::DollarOrX, out);
}

int StrToInt(const std::string& s) {
  int value = 0;
  if (!TryStrToInt(s, value))
    throw EConvertError(Format("'%s' is not a valid integer value", s.c_str()));
  return value;
}

int StrToIntDef(const std::string& s, int fallback) {
  int value = 0;
  return TryStrToInt(s, value) ? value : fallback;
}

std::string IntToStr(int value) { return std::to_string(value); }

std::string AsciiLowerCase(std::string s) {
  for (char& c : s)
    c = static_cast<char>(FoldAscii(static_cast<unsigned char>(c)));
  return s;
}

std::string AsciiUpperCase(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string Trim(const std::string& s) {
  size_t first = 0, last = s.size();
  while (first < last && static_cast<unsigned char>(s[first]) <= ' ')
    ++first;
  while (last > first && static_cast<unsigned char>(s[last - 1]) <= ' ')
    --last;
  return s.substr(first, last - first);
}

int CompareText(const std::string& a, const std::string& b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  bool trail = false;  // the byte at i is the second byte of a double-byte character in a
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = static_cast<unsigned char>(a[i]);
    const unsigned char cb = static_cast<unsigned char>(b[i]);
    const unsigned char fa = trail ? ca : FoldAscii(ca);
    const unsigned char fb = trail ? cb : FoldAscii(cb);
    if (fa != fb)
      return fa < fb ? -1 : 1;
    // Equal so far, so a and b agree on where their characters start.
    trail = !trail && IsGbkLeadByte(ca);
  }
  if (a.size() == b.size())
    return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameText(const std::string& a, const std::string& b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}
