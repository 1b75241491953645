// Makes every picture of a folder into a wallpaper file, and into a preview, again and again at
// screen sizes drawn at random, checking the process heap after each: the decoders' error paths
// jump out of C code, and a slip there shows as a damaged heap long before it shows as a crash.
//
// Usage: bench_photo_soak FOLDER [ROUNDS] (20 unless given). Prints, per file, how often it was
// made and the message it was refused with, then the heap checks that failed and the growth of
// the private bytes from the first round to the last.
#include "app/wallpaper_picture.h"
#include "framework/core/exceptions.h"
#include "framework/graphics/picture.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

struct Outcome {
  int made = 0;
  std::map<std::string, int> refusals;  // message -> times
};

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE)
    return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files.push_back(folder + "\\" + found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return counters.PagefileUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_photo_soak FOLDER [ROUNDS]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 20;
  const std::vector<std::string> files = FilesIn(folder);
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string target = std::string(temp) + "photo_soak.bmp";
  const std::string blocked = std::string(temp) + "photo_soak_folder";
  CreateDirectoryA(blocked.c_str(), nullptr);

  std::mt19937 draw(12345);
  std::uniform_int_distribution<int> width(1, 1920), height(1, 1200);
  std::map<std::string, Outcome> outcomes;
  int heapFaults = 0, escaped = 0;
  SIZE_T firstRound = 0;
  for (int round = 0; round < rounds; ++round) {
    for (const std::string& file : files) {
      Outcome& outcome = outcomes[file];
      const int w = round == 0 ? 1 : width(draw), h = round == 0 ? 1 : height(draw);
      try {
        WritePhotoWallpaper(file, w, h, target);
        ++outcome.made;
      } catch (const Exception& e) {
        ++outcome.refusals[e.Message()];
      } catch (const std::exception& e) {
        ++escaped;
        std::printf("%s at %d x %d: not a framework exception: %s\n", file.c_str(), w, h, e.what());
      }
      // A wallpaper file that cannot be put in place: refused after the picture is made.
      try {
        WritePhotoWallpaper(file, w, h, blocked);
      } catch (const Exception&) {
      } catch (const std::exception& e) {
        ++escaped;
        std::printf("%s at %d x %d, blocked: not a framework exception: %s\n", file.c_str(), w, h, e.what());
      }
      try {
        TPicture preview;
        preview.LoadFromFileWithin(file, w, h);
      } catch (const Exception&) {
        // refusals of the preview are the same files' and counted above
      }
      if (!HeapValidate(GetProcessHeap(), 0, nullptr)) {
        ++heapFaults;
        std::printf("heap damaged after %s at %d x %d (round %d)\n", file.c_str(), w, h, round);
      }
    }
    if (round == 0)
      firstRound = PrivateBytes();
  }
  DeleteFileA(target.c_str());
  RemoveDirectoryA(blocked.c_str());
  for (const auto& [file, outcome] : outcomes) {
    std::printf("%-40s made %3d", file.substr(folder.size() + 1).c_str(), outcome.made);
    for (const auto& [message, times] : outcome.refusals)
      std::printf("  refused %d: %s", times, message.c_str());
    std::printf("\n");
  }
  std::printf("rounds %d, files %zu, heap checks failed %d, non-framework exceptions %d\n", rounds,
              files.size(), heapFaults, escaped);
  std::printf("private bytes after round 1: %.2f MB, after the last: %.2f MB\n", firstRound / 1048576.0,
              PrivateBytes() / 1048576.0);
  return heapFaults || escaped ? 1 : 0;
}
