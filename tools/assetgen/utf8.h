#pragma once

#include <string_view>
#include <vector>

namespace assetgen {

// Code points of UTF-8 text; a malformed byte becomes U+FFFD.
std::vector<char32_t> decode_utf8(std::string_view text);

}  // namespace assetgen
