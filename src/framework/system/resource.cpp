#include "framework/system/resource.h"

#include "framework/core/exceptions.h"
#include "framework/core/format.h"

#include <cstdint>
#include <string>

namespace {

std::string ResourceName(const char* name) {
  return IS_INTRESOURCE(name) ? Format("#%u", static_cast<unsigned>(reinterpret_cast<uintptr_t>(name)))
                              : std::string(name);
}

}  // namespace

std::string_view ResourceBytes(HINSTANCE instance, const char* name, const char* type) {
  HRSRC info = FindResourceA(instance, name, type);
  HGLOBAL loaded = info ? LoadResource(instance, info) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data)
    throw EResNotFound(Format("Resource %s not found", ResourceName(name).c_str()));
  return {static_cast<const char*>(data), SizeofResource(instance, info)};
}
