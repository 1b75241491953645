// How long the main window's stored skin takes to load (decompress, parse, build every element
// and generated strip), the load's steps one by one, what a picture, its DIB section and a
// memory DC cost, and one 560 x 30 tiled nine-slice of the caption. Prints a table, a digest of
// every loaded picture (format, size, pixels) so that two builds can be seen to load the same
// pixels, and how many of the pictures the load gave a DIB section.
#include "framework/application.h"
#include "framework/system/gdi_handles.h"
#include "framework/system/resource.h"
#include "skin/data/skin_data.h"
#include "skin/model/element_drawing.h"
#include "skin/model/skin_bitmap_loading.h"
#include "skin/model/skin_element_loader.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

double Milliseconds(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER freq) {
  return 1000.0 * double(b.QuadPart - a.QuadPart) / double(freq.QuadPart);
}

template <class Fn>
std::vector<double> Times(int rounds, Fn&& fn) {
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  std::vector<double> times;
  for (int i = 0; i < rounds; ++i) {
    QueryPerformanceCounter(&t0);
    fn();
    QueryPerformanceCounter(&t1);
    times.push_back(Milliseconds(t0, t1, freq));
  }
  std::sort(times.begin(), times.end());
  return times;
}

void Print(const char* what, const std::vector<double>& t) {
  std::printf("%-34s %6zu %9.3f %9.3f %9.3f\n", what, t.size(), t[t.size() / 2], t.front(), t.back());
}

// The load's steps, each timed on its own in interleaved rounds, from the same stored stream.
// Each later step works on what the earlier ones produced outside its timing.
void PrintSteps(const std::string& stored, int rounds) {
  TMemoryStream compressed;
  compressed.Write(stored.data() + 4, static_cast<int32_t>(stored.size() - 4));
  TSkinReader reader;
  reader.LoadPackage(compressed);
  TMemoryStream description;
  std::string name;
  reader.ExtractEntryContaining(".ini", description, name);
  const std::string_view text(reinterpret_cast<const char*>(description.Memory()),
                              static_cast<size_t>(description.Size()));
  TQuickIni ini;
  ini.LoadFromStream(text);

  struct TStep {
    const char* name;
    std::function<void()> run;
    std::vector<double> times;
  };
  std::vector<TStep> steps;
  steps.push_back({"  decompress", [&] {
                     TMemoryStream out;
                     reader.Unpack(compressed, out);
                   }, {}});
  steps.push_back({"  read the package (with the above)", [&] {
                     TSkinReader r;
                     r.LoadPackage(compressed);
                   }, {}});
  steps.push_back({"  parse the description", [&] {
                     TMemoryStream entry;
                     std::string found;
                     reader.ExtractEntryContaining(".ini", entry, found);
                     TQuickIni parsed;
                     parsed.LoadFromStream(std::string_view(reinterpret_cast<const char*>(entry.Memory()),
                                                            static_cast<size_t>(entry.Size())));
                   }, {}});
  steps.push_back({"  create every bitmap of the package", [&] {
                     TBitmap bitmap;
                     for (const std::string& entry : reader.EntryNames())
                       LoadSkinBitmap(reader, bitmap, entry);
                   }, {}});
  // Made by one step and freed by the next, so that freeing the pictures is timed apart.
  std::optional<TSkinElementTable> elements;
  steps.push_back({"  elements from the description", [&] {
                     elements.emplace();
                     TSkinColours colours;
                     TSkinElementLoader(ini, reader, *elements, colours).ApplyDescription();
                   }, {}});
  steps.push_back({"  free the elements", [&] { elements.reset(); }, {}});
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  for (int i = 0; i < rounds; ++i)
    for (TStep& step : steps) {
      QueryPerformanceCounter(&t0);
      step.run();
      QueryPerformanceCounter(&t1);
      step.times.push_back(Milliseconds(t0, t1, freq));
    }
  for (TStep& step : steps) {
    std::sort(step.times.begin(), step.times.end());
    Print(step.name, step.times);
  }
}

// FNV-1a over the bytes, continued from hash.
uint64_t Fnv(uint64_t hash, const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  for (size_t i = 0; i < size; ++i)
    hash = (hash ^ p[i]) * 0x100000001B3ull;
  return hash;
}

// Format, size, colour table and the pixels of each row (without its padding).
uint64_t AddPicture(uint64_t hash, const TBitmap& b) {
  const int32_t head[3] = {b.Width(), b.Height(), b.BitCount()};
  hash = Fnv(hash, head, sizeof(head));
  hash = Fnv(hash, b.Palette().data(), b.Palette().size() * sizeof(uint32_t));
  const size_t rowBytes = (static_cast<size_t>(b.Width()) * static_cast<size_t>(b.BitCount()) + 7) / 8;
  for (int y = 0; y < b.Height(); ++y)
    hash = Fnv(hash, b.ScanLine(y), rowBytes);
  return hash;
}

// Every picture of the elements in a fixed order; a missing element is one null.
template <class Visit>
void ForEachPicture(const TSkinElementTable& e, Visit&& visit) {
  const auto element = [&](const TDataSkinObject* o) { visit(o ? &o->Image : nullptr); };
  const auto border = [&](const TDataSkinBorder* b) {
    if (!b)
      return visit(nullptr);
    visit(&b->Image);
    visit(&b->Image2);
  };
  element(&e.Buttons);
  visit(&e.Buttons.CheckImage);
  visit(&e.Buttons.RadioImage);
  element(&e.Title);
  for (const TDataSkinBorder* b : {&e.LeftBorder, &e.RightBorder, &e.TopBorder, &e.BottomBorder})
    border(b);
  for (const auto& b : e.SysButtons)
    element(b.get());
  for (const TDataSkinBorder* b : {e.Progress.get(), e.Tabs.get(), e.ComboButton.get(), e.UpDownHorz.get(),
                                   e.UpDownVert.get()})
    border(b);
  element(e.GroupBox.get());
  for (const TDataSkinObject* o :
       {e.MenuBar.get(), e.ProgressChunk.get(), e.GroupBoxEdge.get(), e.StatusBarEdges.get(), e.TabPane.get(),
        e.ToolBars.get(), e.SunkEdge.get(), e.ExtraImages.get(), e.Headerbar.get(), e.MenuItem.get(),
        e.MenuBackground.get(), e.Scrollbar.get(), e.HorzScroll.get(), e.VertScroll.get(),
        e.HorzScrollThumb.get(), e.VertScrollThumb.get(), e.TrackbarThumbHorz.get(), e.TrackbarThumbVert.get(),
        e.TrackbarThumbLeft.get(), e.TrackbarThumbRight.get(), e.TrackbarThumbUp.get(),
        e.TrackbarThumbDown.get(), e.Track.get(), e.TrackVert.get(), e.Toolbar.get(), e.ComboxArrow.get()})
    element(o);
}

uint64_t PicturesDigest(const TSkinElementTable& e) {
  uint64_t h = 0xCBF29CE484222325ull;
  ForEachPicture(e, [&](const TBitmap* b) { h = b ? AddPicture(h, *b) : Fnv(h, "-", 1); });
  return h;
}

// Pictures that are not empty, and how many of them hold a DIB section already.
void PrintSections(const TSkinElementTable& e) {
  int pictures = 0, sections = 0;
  ForEachPicture(e, [&](const TBitmap* b) {
    if (b && !b->Empty()) {
      ++pictures;
      sections += b->HasHandle();
    }
  });
  std::printf("pictures loaded: %d, of them with a DIB section: %d\n", pictures, sections);
}

// What one picture costs the system apart from its pixels: the picture in memory, its DIB
// section made on first use and freed, and a memory DC to draw on it. Printed in microseconds
// for one, from runs of kPerRun.
void PrintPrimitives(int rounds) {
  constexpr int kPerRun = 100;
  std::vector<TBitmap> pictures(kPerRun);
  std::vector<double> sized, made, freed, dcs;
  LARGE_INTEGER freq, t0, t1, t2, t3, t4;
  QueryPerformanceFrequency(&freq);
  const auto each = [&](LARGE_INTEGER a, LARGE_INTEGER b) { return 1000.0 * Milliseconds(a, b, freq) / kPerRun; };
  for (int i = 0; i < rounds; ++i) {
    QueryPerformanceCounter(&t0);
    for (TBitmap& b : pictures)
      b.SetSize(32, 32, 24);
    QueryPerformanceCounter(&t1);
    for (TBitmap& b : pictures)
      b.Handle();
    QueryPerformanceCounter(&t2);
    for (TBitmap& b : pictures)
      b.Clear();
    QueryPerformanceCounter(&t3);
    for (int k = 0; k < kPerRun; ++k)
      UniqueDC dc(CreateCompatibleDC(nullptr));
    QueryPerformanceCounter(&t4);
    sized.push_back(each(t0, t1));
    made.push_back(each(t1, t2));
    freed.push_back(each(t2, t3));
    dcs.push_back(each(t3, t4));
  }
  std::printf("%-34s %6s %9s %9s %9s\n", "us each, 100 a run", "runs", "median", "min", "max");
  for (std::vector<double>* t : {&sized, &made, &freed, &dcs})
    std::sort(t->begin(), t->end());
  Print("picture 32 x 32 x 24, in memory", sized);
  Print("its DIB section, made", made);
  Print("picture and section, freed", freed);
  Print("memory DC made and freed", dcs);
}

}  // namespace

int main() {
  TApplication application;
  Application = &application;
  // The stored stream as the main window's layout hands it over.
  const std::string stored(ResourceBytes(GetModuleHandleA(nullptr), "SKINSTREAM", MAKEINTRESOURCEA(10)));
  std::printf("%-34s %6s %9s %9s %9s\n", "ms", "runs", "median", "min", "max");
  TSkinData skin(nullptr);
  Print("LoadSkin of the stored skin", Times(20, [&] { skin.ReadSkinStream(stored); }));
  {
    // As the program starts: no earlier skin's pictures to free.
    std::vector<double> first;
    for (int i = 0; i < 20; ++i) {
      std::optional<TSkinData> fresh(std::in_place, nullptr);
      first.push_back(Times(1, [&] { fresh->ReadSkinStream(stored); })[0]);
    }
    std::sort(first.begin(), first.end());
    Print("  the same into a new TSkinData", first);
  }
  if (skin.NoSkin()) {
    std::printf("the stored skin did not load\n");
    return 1;
  }
  std::printf("digest of the loaded pictures: %016llx\n",
              static_cast<unsigned long long>(PicturesDigest(skin.Elements())));
  PrintSections(skin.Elements());
  PrintSteps(stored, 20);
  TDataSkinTitle& title = skin.Elements().Title;
  TWindowDC screen(nullptr);
  UniqueDC dc(CreateCompatibleDC(screen.Get()));
  UniqueBitmap target(CreateCompatibleBitmap(screen.Get(), 560, 30));
  TSelectObject keep(dc.Get(), target.Get());
  const RECT dest = {0, 0, 560, 30};
  Print("DrawSkinElement 560 x 30, tiled", Times(200, [&] {
    DrawSkinElement(dc.Get(), dest, title.Image, false, true, title.Trans != 0, title.FrameCount, 1, title.Margins);
  }));
  PrintPrimitives(20);
  Application = nullptr;
  return 0;
}
