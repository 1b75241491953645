#pragma once
#include "framework/graphics/graphic.h"

#include <functional>
#include <memory>
#include <string>

// Holds one picture of any supported kind, loaded from a file chosen by its extension, and
// tells its user (an image control) when it changes.
class TPicture {
public:
  // Picks the kind by the extension, in any letter case: "bmp" bitmap, "jpg"/"jpeg" JPEG,
  // "png" PNG, "ico" icon, "emf"/"wmf" metafile. Another extension raises EInvalidGraphic
  // "Unknown picture file extension (.%s)" before the file is opened; a missing file
  // EFOpenError naming the path. On any failure the old picture stays and OnChange is not fired.
  void LoadFromFile(const std::string& path);
  // The same for a picture only ever drawn stretched into maxWidth x maxHeight: a bitmap larger
  // than that is kept reduced to fit, so a huge one neither fills the memory nor goes unseen.
  void LoadFromFileWithin(const std::string& path, int maxWidth, int maxHeight);
  // The bytes of a resource of TYPE (RCDATA, say) in INSTANCE, of the kind EXTENSION names as
  // for a file ("jpg"). A missing resource raises EResNotFound "Resource %s not found"; other
  // failures and OnChange as for a file.
  void LoadFromResource(HINSTANCE instance, const char* name, const char* type,
                        const std::string& extension);
  // Takes a picture loaded elsewhere (from a resource, say); null clears.
  void SetGraphic(std::unique_ptr<TGraphic> graphic);
  void Clear();

  TGraphic* Graphic() const { return graphic_.get(); }
  bool Empty() const { return !graphic_ || graphic_->Empty(); }
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // stretch: the picture fills dest; otherwise it is drawn at natural size at dest's top-left.
  // Either way nothing is drawn outside dest.
  void Draw(HDC dc, const RECT& dest, bool stretch) const;

  // Fired after a load, SetGraphic or Clear.
  std::function<void()> OnChange;

private:
  void Changed() const;

  std::unique_ptr<TGraphic> graphic_;  // the picture, null when empty
};
