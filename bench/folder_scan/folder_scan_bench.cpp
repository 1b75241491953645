// The Add button's scan, list boxes filled, against a bare FindFirstFileA breadth-first walk of
// the same generated tree. Usage: bench_folder_scan [FOLDER] — builds the tree there first if it
// is missing.
#include "app/folder_scan.h"
#include "framework/application.h"
#include "framework/list_box.h"

#include <windows.h>

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

namespace {

constexpr int kFolders = 400;
constexpr int kFilesPerFolder = 250;  // 100 000 files, a tenth of them bitmaps

void BuildTree(const std::string& root) {
  CreateDirectoryA(root.c_str(), nullptr);
  for (int d = 0; d < kFolders; ++d) {
    // Two levels: 20 folders of 20 subfolders each.
    std::string folder = root + "\\g" + std::to_string(d / 20);
    CreateDirectoryA(folder.c_str(), nullptr);
    folder += "\\f" + std::to_string(d);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int f = 0; f < kFilesPerFolder; ++f) {
      const std::string name = folder + "\\p" + std::to_string(f) + (f % 10 == 0 ? ".bmp" : ".txt");
      HANDLE h = CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      CloseHandle(h);
    }
  }
}

int BareWalk(const std::string& root) {
  int files = 0;
  std::deque<std::string> queue{root + "\\"};
  while (!queue.empty()) {
    WIN32_FIND_DATAA e;
    HANDLE h = FindFirstFileA((queue.front() + "*.*").c_str(), &e);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        if (e.cFileName[0] == '.')
          continue;
        if (e.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          queue.push_back(queue.front() + e.cFileName + "\\");
        else
          ++files;
      } while (FindNextFileA(h, &e));
      FindClose(h);
    }
    queue.pop_front();
  }
  return files;
}

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER freq) {
  return double(b.QuadPart - a.QuadPart) / double(freq.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string root = argc > 1 ? argv[1] : std::string(temp) + "tl_scan_bench";
  if (GetFileAttributesA((root + "\\g0").c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::printf("building %d files in %s ...\n", kFolders * kFilesPerFolder, root.c_str());
    BuildTree(root);
  }
  TApplication application;
  Application = &application;
  // The main window's two lists, on a hidden parent: real list-box windows, filled as Add does.
  TWinControl parent(nullptr);
  parent.SetVisible(false);
  parent.SetBounds(0, 0, 600, 400);
  auto* fileList = new TListBox(&parent);
  fileList->SetMultiSelect(true);
  fileList->SetParent(&parent);
  fileList->SetBounds(4, 22, 133, 251);
  auto* folderList = new TListBox(&parent);
  folderList->SetParent(&parent);
  folderList->SetBounds(584, 152, 249, 153);
  parent.Handle();

  LARGE_INTEGER freq, t0, t1, t2;
  QueryPerformanceFrequency(&freq);
  BareWalk(root);  // warm the caches for both runs alike
  std::printf("%-28s %10s %10s\n", "run", "seconds", "entries");
  for (int round = 0; round < 3; ++round) {
    QueryPerformanceCounter(&t0);
    const int files = BareWalk(root);
    QueryPerformanceCounter(&t1);
    fileList->Clear();
    folderList->Clear();
    ScanFolderIntoLists(root, *fileList, *folderList);
    QueryPerformanceCounter(&t2);
    std::printf("%-28s %10.3f %10d\n", "bare FindFirstFileA walk", Seconds(t0, t1, freq), files);
    std::printf("%-28s %10.3f %10d\n", "scan and fill the lists", Seconds(t1, t2, freq), fileList->Count());
    std::printf("%-28s %10.2f\n", "ratio", Seconds(t1, t2, freq) / Seconds(t0, t1, freq));
  }
  Application = nullptr;
  return 0;
}
