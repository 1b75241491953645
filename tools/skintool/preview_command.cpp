#include "commands.h"

#include "file_io.h"
#include "preview_rows.h"
#include "preview_sheet.h"
#include "skin/format/quick_ini.h"
#include "skin/format/skin_colours.h"
#include "skin/model/skin_element_loader.h"
#include "skin/format/skin_reader.h"

#include <cstdio>
#include <string_view>
#include <vector>

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "skintool: %s\n", message.c_str());
  return ExitFailure;
}

// The band table lets a reader of the sheet find each element without knowing its layout.
void PrintLayout(const std::string& out, const TPreviewSheet& sheet,
                 const std::vector<std::string>& missing) {
  std::printf("wrote %s: %d x %d, %zu rows, drawings from x %d\n", out.c_str(),
              sheet.Bitmap.Width(), sheet.Bitmap.Height(), sheet.Bands.size(), sheet.DrawingLeft);
  for (const TPreviewBand& band : sheet.Bands)
    std::printf("row %d %d %s\n", band.Top, band.Bottom, band.Label.c_str());
  for (const std::string& name : missing)
    std::printf("not in this skin: %s\n", name.c_str());
}

}  // namespace

int PreviewCommand(const std::string& skin, const std::string& out) {
  TMemoryStream compressed(ReadWholeFile(skin));
  TSkinReader reader;
  if (!reader.LoadPackage(compressed))
    return Fail(skin + " is not a valid skin package");
  TMemoryStream entry;
  std::string name;
  reader.ExtractEntryContaining(".ini", entry, name);
  if (name.empty())
    return Fail(skin + " holds no description (.ini) entry");
  TQuickIni ini;
  ini.LoadFromStream(std::string_view(reinterpret_cast<const char*>(entry.Memory()),
                                      static_cast<size_t>(entry.Size())));
  // A description without sections draws nothing: say so rather than write an empty sheet.
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  if (sections.empty())
    return Fail(skin + ": the description " + name + " has no sections");

  TSkinElementTable elements;
  TSkinColours colours;
  TSkinElementLoader(ini, reader, elements, colours).ApplyDescription();
  const TPreviewCatalogue catalogue = CataloguePreviewRows(elements);
  if (catalogue.Rows.empty())
    return Fail(skin + " has no element with a picture");
  const TPreviewSheet sheet = DrawPreviewSheet(catalogue.Rows);
  sheet.Bitmap.SaveToFile(out);
  PrintLayout(out, sheet, catalogue.Missing);
  return ExitOk;
}
