#include "framework/core/format.h"

#include <cstdio>
#include <vector>

std::string FormatV(const char* fmt, va_list args) {
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, fmt, measure);
  va_end(measure);
  if (length <= 0)
    return {};
  std::string text(static_cast<size_t>(length), '\0');
  // vsnprintf writes the terminator too; std::string guarantees room for it at size().
  std::vsnprintf(text.data(), text.size() + 1, fmt, args);
  return text;
}

std::string Format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string text = FormatV(fmt, args);
  va_end(args);
  return text;
}
