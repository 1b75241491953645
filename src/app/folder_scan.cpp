#include "app/folder_scan.h"

#include "framework/system/file_stream.h"
#include "framework/list_box.h"

#include "app/bitmap_name.h"
#include "app/folder_path.h"
#include "app/photo_name.h"

#include <windows.h>

#include <deque>
#include <optional>
#include <set>
#include <tuple>
#include <vector>

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

// Where a folder really is: the same by whatever path it is reached, through a junction, a
// symbolic link, or under Wine a Unix symbolic link (listed as a folder that is a reparse
// point, and opened as its target).
struct FolderIdentity {
  DWORD volume;     // volume serial number
  DWORD indexHigh;  // file index on that volume
  DWORD indexLow;
  bool operator<(const FolderIdentity& o) const {
    return std::tie(volume, indexHigh, indexLow) < std::tie(o.volume, o.indexHigh, o.indexLow);
  }
};

// The identity of FOLDER, following links to their target; none when the folder cannot be
// opened or its file system gives no file index.
std::optional<FolderIdentity> IdentityOf(const std::string& folder) {
  // Backup semantics open a folder; without FILE_FLAG_OPEN_REPARSE_POINT a link is followed.
  const UniqueFileHandle file(CreateFileA(folder.c_str(), FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION info;
  if (!file || !GetFileInformationByHandle(file.Get(), &info) ||
      (info.nFileIndexHigh | info.nFileIndexLow) == 0)
    return std::nullopt;
  return FolderIdentity{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

// The folders a scan has reached, by identity: a folder reached again, by a link back up the
// tree or to a folder already met, is not walked a second time. Identities are read only from
// the first link (reparse point) on, for the folders met before it too: opening a folder costs
// about as much as listing it under Wine, and without a link no folder can be met twice. A
// folder without identity is always walked; the path length limit still ends a loop through it.
class VisitedFolders {
public:
  // True the first time the folder at PATH, whose attributes are ATTRIBUTES, is met.
  bool FirstVisit(const std::string& path, DWORD attributes) {
    if (!tracking_) {
      if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        metBefore_.push_back(path);
        return true;
      }
      tracking_ = true;
      for (const std::string& met : metBefore_)
        Remember(met);
      metBefore_.clear();
    }
    return Remember(path);
  }

private:
  bool Remember(const std::string& path) {
    const std::optional<FolderIdentity> id = IdentityOf(path);
    return !id || seen_.insert(*id).second;
  }

  bool tracking_ = false;               // a link was met: every folder's identity is read
  std::vector<std::string> metBefore_;  // folders met before that, identities not yet read
  std::set<FolderIdentity> seen_;       // identities of the folders met
};

}  // namespace

int ScanFolder(const std::string& folder, const TFolderScanSink& sink, bool photos) {
  int bitmaps = 0;
  std::deque<std::string> queue{WithTrailingBackslash(folder)};
  VisitedFolders visited;
  visited.FirstVisit(queue.front(), 0);
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
          if (!visited.FirstVisit(sub, entry.dwFileAttributes))
            continue;
          queue.push_back(sub);
          if (sink.OnFolder)
            sink.OnFolder(sub);
        } else if (IsBitmapName(entry.cFileName) || (photos && IsPhotoName(entry.cFileName))) {
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

void ScanFolderIntoLists(const std::string& folder, TListBox& files, TListBox& folders, bool photos) {
  std::vector<std::string> bitmaps;
  std::vector<std::string> subfolders = folders.Items();
  ScanFolder(folder, {[&](const std::string& path) { bitmaps.push_back(path); },
                      [&](const std::string& path) { subfolders.push_back(path); }},
             photos);
  files.SetItems(std::move(bitmaps));
  folders.SetItems(std::move(subfolders));
}
