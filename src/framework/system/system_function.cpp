#include "framework/system/system_function.h"

#include <string>

HMODULE SystemLibrary(const char* dll) {
  return LoadLibraryExA(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

FARPROC SystemProcAddress(const char* dll, const char* name) {
  const HMODULE module = SystemLibrary(dll);
  const FARPROC address = module ? GetProcAddress(module, name) : nullptr;
  if (!address)
    throw EOSError(std::string(dll) + ": " + name + " not found");
  return address;
}
