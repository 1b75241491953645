#include "app/folder_scan.h"

#include "framework/list_box.h"

#include "app/bitmap_name.h"
#include "app/folder_path.h"

#include <windows.h>

#include <deque>

namespace {

// Closes a find handle when the folder has been read, also when a sink throws.
class FindHandle {
public:
  explicit FindHandle(HANDLE h) : h_(h) {}
  ~FindHandle() { if (h_ != INVALID_HANDLE_VALUE) FindClose(h_); }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return h_; }

private:
  HANDLE h_;
};

constexpr DWORD kAllEntries = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                              FILE_ATTRIBUTE_SYSTEM | 0x08 /* volume label */ |
                              FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_ARCHIVE;

bool IsDotEntry(const char* name) {
  return (name[0] == '.' && name[1] == 0) || (name[0] == '.' && name[1] == '.' && name[2] == 0);
}

}  // namespace

int ScanFolder(const std::string& folder, const TFolderScanSink& sink) {
  int bitmaps = 0;
  std::deque<std::string> queue{WithTrailingBackslash(folder)};
  while (!queue.empty()) {
    const std::string path = queue.front();
    WIN32_FIND_DATAA entry;
    FindHandle find(FindFirstFileA((path + "*.*").c_str(), &entry));
    if (find.Valid()) {
      do {
        // The classic attribute filter: with every attribute in the mask nothing is excluded.
        if ((entry.dwFileAttributes & ~kAllEntries & 0xFF) != 0 || IsDotEntry(entry.cFileName))
          continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          const std::string sub = path + entry.cFileName + "\\";
          queue.push_back(sub);
          if (sink.OnFolder)
            sink.OnFolder(sub);
        } else if (IsBitmapName(entry.cFileName)) {
          ++bitmaps;
          if (sink.OnBitmap)
            sink.OnBitmap(path + entry.cFileName);
        }
      } while (FindNextFileA(find.Get(), &entry));
    }
    queue.pop_front();
  }
  return bitmaps;
}

void ScanFolderIntoLists(const std::string& folder, TListBox& files, TListBox& folders) {
  std::vector<std::string> bitmaps;
  std::vector<std::string> subfolders = folders.Items();
  ScanFolder(folder, {[&](const std::string& path) { bitmaps.push_back(path); },
                      [&](const std::string& path) { subfolders.push_back(path); }});
  files.SetItems(std::move(bitmaps));
  folders.SetItems(std::move(subfolders));
}
