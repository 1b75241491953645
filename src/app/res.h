#pragma once
#include <string>

// Writes the bytes of the executable's own resource NAME of type TYPE to FILE, creating or
// truncating it. Raises EResNotFound when the resource is missing (the file is then left alone),
// EFCreateError or EWriteError when the file cannot be written.
void ExtractResourceToFile(const std::string& name, const std::string& type, const std::string& file);
