#pragma once

#include <filesystem>

#include "file_bytes.h"

namespace asset_checks {

// The committed resource of that name; the build passes the folder in.
inline Bytes read_resource(const char* name) {
    return read_bytes(std::filesystem::path(ASSET_RESOURCES_DIR) / name);
}

}  // namespace asset_checks
