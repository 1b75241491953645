#pragma once
// What a running program holds, seen from another process: live GDI objects (counted by a
// probe loaded into it), its windows, and its private memory.
#include <windows.h>

#include <string>

struct TCensus {
  int gdiObjects = -1;  // -1: the probe did not answer
  int windows = 0;      // top-level windows of the process and all their descendants
  double privateMiB = 0;
};

class TProcessCensus {
public:
  // PROBE_DLL: the probe's path as the program sees it.
  TProcessCensus(HANDLE process, std::string probeDll);
  ~TProcessCensus();
  TProcessCensus(const TProcessCensus&) = delete;
  TProcessCensus& operator=(const TProcessCensus&) = delete;

  TCensus Take() const;

private:
  int CountGdiObjects() const;

  HANDLE process_;
  DWORD pid_;
  std::string probeDll_;
  HANDLE section_;
  HANDLE done_;
};
