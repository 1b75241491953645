#include "framework/graphics/graphic.h"

#include "framework/system/file_stream.h"

void TGraphic::LoadFromFile(const std::string& path) {
  const std::string bytes = ReadWholeFile(path);
  LoadFromBytes(bytes.data(), bytes.size());
}

void TGraphic::LoadFromFileWithin(const std::string& path, int, int) { LoadFromFile(path); }
