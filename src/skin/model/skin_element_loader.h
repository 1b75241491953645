#pragma once
// Fills the element table and the colour table of a skin from its description and package.
// Nothing here reports an error for a missing section, key or picture: the slot stays empty or
// the field keeps its default. A picture entry that is not a BMP file raises EInvalidGraphic,
// which ends the load.

#include "skin/format/quick_ini.h"
#include "skin/format/skin_colours.h"
#include "skin/model/skin_element_table.h"
#include "skin/format/skin_reader.h"

#include <memory>
#include <string>
#include <vector>

class TSkinElementLoader {
public:
  // Both the description and the package must be loaded.
  TSkinElementLoader(const TQuickIni& ini, const TSkinReader& reader, TSkinElementTable& elements,
                     TSkinColours& colours);

  // Every element and colour, in an order where later steps read what earlier ones produced;
  // ends with the border colour sampled into the colour table.
  void ApplyDescription();

  // The per-kind loaders, each given the slot and the section.
  void LoadElement(std::unique_ptr<TDataSkinObject>& slot, const std::string& section);
  void LoadBorderElement(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section,
                         const std::string& secondKey);
  void LoadProgress(std::unique_ptr<TDataSkinBorder>& slot, const std::string& section);
  void LoadBoxLabel(std::unique_ptr<TDataSkinBoxLabel>& slot, const std::string& section);
  void LoadMenuBar(std::unique_ptr<TDataSkinObject>& slot, const std::string& section);
  void LoadTitle(TDataSkinTitle& title, const std::string& section);
  // The engine's own picture of that name, with margins of 3 and one frame.
  void LoadResourceElement(std::unique_ptr<TDataSkinObject>& slot, const char* name);
  void LoadBorders();
  void LoadButtons();
  void LoadColours();

private:
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t fallback) const;
  void ReadLayout(TDataSkinObject& element, const std::string& section) const;
  // A new element of SECTION with the picture IMAGE_KEY names, its margins, transparency and
  // tiling (TILE_FALLBACK for a Tile value above 1); null when the key names no picture.
  template <class E>
  std::unique_ptr<E> NewElement(const std::string& section, const char* imageKey, int32_t tileFallback) const;
  void ReadStateColours(TDataSkinObject& element, const std::string& section) const;
  void ReadBorder(TDataSkinBorder& border, bool vertical);

  const TQuickIni& ini_;               // the description
  const TSkinReader& reader_;          // the package, for the pictures
  TSkinElementTable& elements_;        // filled
  TSkinColours& colours_;              // filled
  std::vector<std::string> sections_;  // the description's sections, for the duration of a load
};
