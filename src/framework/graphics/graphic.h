#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// A picture of one of the supported kinds, loaded from a file image in memory.
class TGraphic {
public:
  TGraphic() = default;
  TGraphic(const TGraphic&) = delete;
  TGraphic& operator=(const TGraphic&) = delete;
  virtual ~TGraphic() = default;

  virtual bool Empty() const = 0;
  virtual int Width() const = 0;   // natural size in pixels; 0 when empty
  virtual int Height() const = 0;

  // Replaces the picture with the one in the bytes of a file of this kind. On failure (mostly
  // EInvalidGraphic) the old picture stays.
  virtual void LoadFromBytes(const void* data, size_t size) = 0;
  // The same from a file; a missing file raises EFOpenError naming the path.
  void LoadFromFile(const std::string& path);
  // The same for a picture only ever drawn stretched into maxWidth x maxHeight: a kind that can
  // keeps a larger picture reduced to fit, each side at most the size given; others load it
  // whole.
  virtual void LoadFromFileWithin(const std::string& path, int maxWidth, int maxHeight);

  // Draws the picture stretched to fill rect (at natural size when rect has it).
  virtual void Draw(HDC dc, const RECT& rect) const = 0;

protected:
  TGraphic(TGraphic&&) = default;
  TGraphic& operator=(TGraphic&&) = default;
};
