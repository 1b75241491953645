// Applying a photo as the wallpaper against applying a screen-sized bitmap: a 6000 x 4000 JPEG
// and PNG are made into the screen-sized Current.BMP (decoded, scaled to cover the screen, cut
// to it, written) and applied; the bitmap is applied as it is. Each kind is measured in a
// process of its own, so its peak private memory is its own.
//
// Usage: bench_photo_apply [ROUNDS] (5 unless given). The pictures are written next to this
// program first and removed at the end; the desktop values it applies are put back.
#include "app/wallpaper_apply.h"
#include "app/wallpaper_picture.h"
#include "framework/core/bmp_format.h"
#include "framework/core/exceptions.h"
#include "framework/system/file_stream.h"
#include "photo_files.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kPhotoWidth = 6000, kPhotoHeight = 4000;

std::string Folder() {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string folder(exe);
  folder.resize(folder.find_last_of('\\') + 1);
  return folder;
}

// A photo-like picture: smooth colour ramps with a fine texture, so it compresses as a real
// photo does rather than as a flat test card.
uint32_t PhotoPixel(int x, int y) {
  const uint32_t grain = (static_cast<uint32_t>(x) * 2654435761u ^ static_cast<uint32_t>(y) * 40503u) >> 28;
  const uint32_t r = (x * 255 / kPhotoWidth + grain) & 0xFF;
  const uint32_t g = (y * 255 / kPhotoHeight + grain) & 0xFF;
  const uint32_t b = ((x + y) * 255 / (kPhotoWidth + kPhotoHeight)) & 0xFF;
  return r << 16 | g << 8 | b;
}

void WriteScreenBitmap(const std::string& path, int w, int h) {
  std::vector<uint8_t> pixels(DibStride(w, 24) * static_cast<size_t>(h));
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = static_cast<uint8_t>(i * 7);
  const std::string bytes = EncodeBmpFile(w, h, 24, {}, pixels.data() + DibStride(w, 24) * (h - 1),
                                          -static_cast<ptrdiff_t>(DibStride(w, 24)));
  WriteWholeFile(path, bytes);
}

double Mb(SIZE_T bytes) { return bytes / 1048576.0; }

// One kind in this process: ROUNDS applies, then the row of the table.
int MeasureOne(const std::string& kind, const std::string& path, int rounds) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const std::string current = Folder() + "Current.BMP";
  PROCESS_MEMORY_COUNTERS before{};
  before.cb = sizeof before;
  GetProcessMemoryInfo(GetCurrentProcess(), &before, sizeof before);
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> ms;
  for (int i = 0; i < rounds; ++i) {
    QueryPerformanceCounter(&start);
    try {
      if (kind == "bmp") {
        ApplyWallpaper(path);
      } else {
        WritePhotoWallpaper(path, w, h, current);
        ApplyWallpaper(current);
      }
    } catch (const Exception& e) {
      std::printf("%-28s refused: %s\n", kind.c_str(), e.Message().c_str());
      return 1;
    }
    QueryPerformanceCounter(&end);
    ms.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  }
  PROCESS_MEMORY_COUNTERS after{};
  after.cb = sizeof after;
  GetProcessMemoryInfo(GetCurrentProcess(), &after, sizeof after);
  std::sort(ms.begin(), ms.end());
  const double screenBitmap = 3.0 * w * h;
  const double peakAbove = static_cast<double>(after.PeakPagefileUsage) - static_cast<double>(before.PagefileUsage);
  const double peakSetAbove =
      static_cast<double>(after.PeakWorkingSetSize) - static_cast<double>(before.WorkingSetSize);
  std::printf("%-28s %6d %10.1f %10.1f %10.1f %12.2f %14.2f %8.2f %14.2f %8.2f\n", kind.c_str(), rounds,
              ms[ms.size() / 2], ms.front(), ms.back(), Mb(before.PagefileUsage), peakAbove / 1048576.0,
              peakAbove / screenBitmap, peakSetAbove / 1048576.0, peakSetAbove / screenBitmap);
  return 0;
}

int RunChild(const std::string& args) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string command = "\"" + std::string(exe) + "\" " + args;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi))
    return -1;
  WaitForSingleObject(pi.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}

std::string DesktopValue(const char* name) {
  char buffer[1024] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
    return {};
  return buffer;
}

void PutDesktopValue(const char* name, const std::string& value) {
  RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", name, REG_SZ, value.c_str(),
                  static_cast<DWORD>(value.size() + 1));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "one")
    return MeasureOne(argv[2], argv[3], std::atoi(argv[4]));
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const std::string folder = Folder();
  const std::string jpeg = folder + "photo.jpg", png = folder + "photo.png", bmp = folder + "screen.bmp";
  std::printf("writing a %d x %d JPEG and PNG and a %d x %d 24-bit bitmap...\n", kPhotoWidth, kPhotoHeight, w, h);
  WriteWholeFile(jpeg, e2e::EncodeJpeg(kPhotoWidth, kPhotoHeight, PhotoPixel));
  WriteWholeFile(png, e2e::EncodePng(kPhotoWidth, kPhotoHeight, PhotoPixel));
  WriteScreenBitmap(bmp, w, h);
  const std::string wallpaper = DesktopValue("Wallpaper"), tile = DesktopValue("TileWallPaper");

  std::printf("apply as wallpaper, screen %d x %d (its 24-bit bitmap %.2f MB); times in ms, memory in MB\n",
              w, h, 3.0 * w * h / 1048576.0);
  std::printf("%-28s %6s %10s %10s %10s %12s %14s %8s %14s %8s\n", "picture", "rounds", "median", "min", "max",
              "private", "peak above it", "x screen", "peak set above", "x screen");
  std::fflush(stdout);
  const struct {
    const char* kind;
    const std::string& path;
  } kinds[] = {{"bmp", bmp}, {"jpeg", jpeg}, {"png", png}};
  for (const auto& k : kinds)
    RunChild(std::string("one ") + k.kind + " \"" + k.path + "\" " + std::to_string(rounds));

  PutDesktopValue("Wallpaper", wallpaper);
  PutDesktopValue("TileWallPaper", tile);
  SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, nullptr, SPIF_SENDWININICHANGE);
  for (const std::string& path : {jpeg, png, bmp, folder + "Current.BMP"})
    DeleteFileA(path.c_str());
  return 0;
}
