#include "app/single_instance.h"

#include <windows.h>

bool AcquireSingleInstance(const std::string& name) {
  HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
  // Deliberately not closed: the mutex marks this process for as long as it lives.
  return !(mutex && GetLastError() == ERROR_ALREADY_EXISTS);
}
