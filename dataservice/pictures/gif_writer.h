// A GIF89a writer for the small pictures the maker's web pages serve: badges and trend arrows.
// Up to 255 colours plus one transparent index; more colours are reduced to the most frequent.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zak::pictures {

// Straight (not premultiplied) colour, 0..255 per channel.
struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Rgba&) const = default;
};

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;  // row by row, width * height
};

// The picture as a GIF file. A pixel less than half opaque becomes transparent, every other
// pixel opaque in its colour (or the nearest of the palette). Empty for a picture whose size
// does not match its pixels or exceeds 65535 on a side.
std::string WriteGif(const Picture& picture);

}  // namespace zak::pictures
