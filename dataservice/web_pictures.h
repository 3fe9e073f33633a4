// The pictures of the maker's web pages that the exported HTML fragments show: club badges,
// trend arrows and the banner logo. Drawn at build time from the program's own SVGs
// (zak-make-web-pictures) and compiled in.
#pragma once

#include <span>
#include <string_view>

namespace zak::dataservice {

struct WebPicture {
  std::string_view path;  // "/zak/i/t/a/222.gif"
  std::string_view contentType;
  std::string_view bytes;
};

std::span<const WebPicture> WebPictures();

}  // namespace zak::dataservice
