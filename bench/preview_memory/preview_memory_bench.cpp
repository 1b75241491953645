// The process's memory before, while and after the main window previews a very large 24-bit
// bitmap. Usage: bench_preview_memory [SIDE] (12000 unless given): a SIDE x SIDE picture is
// written next to this program first (3 * SIDE * SIDE bytes), and removed at the end.
#include "app/main_form.h"
#include "framework/application.h"
#include "framework/core/bmp_format.h"
#include "framework/system/file_stream.h"
#include "framework/image.h"
#include "framework/list_box.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Writes a SIDE x SIDE 24-bit bitmap of horizontal colour bands, row by row.
void WriteLargeBitmap(const std::string& path, int side) {
  const size_t stride = DibStride(side, 24);
  const std::string header = EncodeBmpHead(side, side, 24, {});
  TFileStream file(path, TFileStream::fmCreate);
  file.WriteBuffer(header.data(), header.size());
  std::string row(stride, '\0');
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x)
      row[static_cast<size_t>(x) * 3 + static_cast<size_t>(y / 1000 % 3)] = '\xC0';
    file.WriteBuffer(row.data(), row.size());
    row.assign(stride, '\0');
  }
}

void Report(const char* when) {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  std::printf("%-34s %12.1f %12.1f %12.1f\n", when, counters.PagefileUsage / 1048576.0,
              counters.WorkingSetSize / 1048576.0, counters.PeakPagefileUsage / 1048576.0);
}

}  // namespace

int main(int argc, char** argv) {
  const int side = argc > 1 ? std::atoi(argv[1]) : 12000;
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string folder(exe);
  folder.resize(folder.find_last_of('\\') + 1);
  const std::string large = folder + "large.bmp", small = folder + "small.bmp";
  WriteLargeBitmap(large, side);
  WriteLargeBitmap(small, 64);

  TApplication application;
  Application = &application;
  std::string shown;  // what the error box would have said
  application.SetMessageBoxFunction([&shown](HWND, const std::string& text, const std::string&, UINT) {
    shown = text;
    return IDOK;
  });
  CreateForm(Form1);
  TForm1& form = *Form1;
  form.Handle();
  form.FileList->SetItems({large, small});
  application.ProcessMessages();

  std::printf("%d x %d 24-bit bitmap, %.1f MB\n", side, side, 3.0 * side * side / 1048576.0);
  std::printf("%-34s %12s %12s %12s\n", "", "private MB", "working MB", "peak priv MB");
  Report("before the click");
  SendMessageA(form.FileList->Handle(), LB_SETCARETINDEX, 0, 0);
  CallGuarded([&] { form.FileListClick(nullptr); });
  RedrawWindow(form.Image1->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Report("while the large one is shown");
  std::printf("  preview keeps %d x %d; error box: %s\n", form.Image1->Picture().Width(),
              form.Image1->Picture().Height(), shown.empty() ? "none" : shown.c_str());
  SendMessageA(form.FileList->Handle(), LB_SETCARETINDEX, 1, 0);
  CallGuarded([&] { form.FileListClick(nullptr); });
  Report("after a small one is clicked");

  Application = nullptr;
  DeleteFileA(large.c_str());
  DeleteFileA(small.c_str());
  return 0;
}
