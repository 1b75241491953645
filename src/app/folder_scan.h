#pragma once
#include <functional>
#include <string>

// Receives what a folder scan meets, in scan order.
struct TFolderScanSink {
  std::function<void(const std::string& path)> OnBitmap;  // full path of a bitmap (or photo) file
  std::function<void(const std::string& path)> OnFolder;  // subfolder path, ending in "\"
};

// Breadth-first walk of FOLDER and all its subfolders: every file of a folder before those of
// its subfolders, level by level, hidden and system entries included. A folder that cannot be
// enumerated contributes nothing. Each folder is walked once, by where it really is: one met
// again through a link (back up the tree, or to a folder already met) is neither walked nor
// reported again. With PHOTOS, JPEG and PNG files (IsPhotoName) are reported with the bitmaps,
// in the same order. Returns the number of files reported.
int ScanFolder(const std::string& folder, const TFolderScanSink& sink, bool photos = false);

class TListBox;

// The scan as the Add button runs it: FILES gets the bitmaps in place of its items, FOLDERS the
// subfolders after its own, each list filled at once (one repaint however many entries).
void ScanFolderIntoLists(const std::string& folder, TListBox& files, TListBox& folders, bool photos = false);
