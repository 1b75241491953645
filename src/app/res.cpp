#include "app/res.h"

#include "framework/system/file_stream.h"
#include "framework/system/resource.h"

#include <windows.h>

void ExtractResourceToFile(const std::string& name, const std::string& type, const std::string& file) {
  // The resource is looked up first: a missing one leaves the file as it was.
  const std::string_view bytes = ResourceBytes(GetModuleHandleA(nullptr), name.c_str(), type.c_str());
  TFileStream out(file, TFileStream::fmCreate);
  out.WriteBuffer(bytes.data(), bytes.size());
}
