#pragma once
// The names through which the GDI probe inside a program answers the soak benchmark.
#include <windows.h>

#include <string>

inline std::string ProbeSectionName(DWORD pid) { return "TlGdiProbeCount." + std::to_string(pid); }
inline std::string ProbeEventName(DWORD pid) { return "TlGdiProbeDone." + std::to_string(pid); }
