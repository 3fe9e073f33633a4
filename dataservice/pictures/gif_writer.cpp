#include "gif_writer.h"

#include <algorithm>
#include <array>
#include <map>

namespace zak::pictures {
namespace {

constexpr int kTransparent = 255;  // palette index of transparent pixels
constexpr int kColours = 255;      // palette entries for opaque pixels

using Palette = std::vector<Rgba>;

bool Opaque(const Rgba& p) { return p.a >= 128; }

std::uint32_t Key(const Rgba& p) { return std::uint32_t{p.r} << 16 | p.g << 8 | p.b; }

// The opaque colours, most frequent first; ties by colour value, so the output is stable.
Palette ChoosePalette(const Picture& picture) {
  std::map<std::uint32_t, int> counts;
  for (const Rgba& p : picture.pixels) {
    if (Opaque(p)) ++counts[Key(p)];
  }
  std::vector<std::pair<int, std::uint32_t>> byCount;
  for (const auto& [key, count] : counts) byCount.emplace_back(-count, key);
  std::sort(byCount.begin(), byCount.end());
  Palette palette;
  for (std::size_t i = 0; i < byCount.size() && i < kColours; ++i) {
    const std::uint32_t key = byCount[i].second;
    palette.push_back({static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                       static_cast<std::uint8_t>(key), 255});
  }
  return palette;
}

int Nearest(const Palette& palette, const Rgba& p) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int dr = palette[i].r - p.r, dg = palette[i].g - p.g, db = palette[i].b - p.b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  return best;
}

std::vector<std::uint8_t> Indices(const Picture& picture, const Palette& palette) {
  std::map<std::uint32_t, int> known;
  std::vector<std::uint8_t> indices;
  indices.reserve(picture.pixels.size());
  for (const Rgba& p : picture.pixels) {
    if (!Opaque(p)) {
      indices.push_back(kTransparent);
      continue;
    }
    const auto [at, added] = known.try_emplace(Key(p), 0);
    if (added) at->second = Nearest(palette, p);
    indices.push_back(static_cast<std::uint8_t>(at->second));
  }
  return indices;
}

void Put16(std::string& out, int value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}

// Nine-bit codes packed from the lowest bit up, cut into sub-blocks of at most 255 bytes.
class CodeStream {
 public:
  void Put(int code) {
    bits_ |= static_cast<std::uint32_t>(code) << count_;
    count_ += 9;
    while (count_ >= 8) {
      bytes_ += static_cast<char>(bits_ & 0xFF);
      bits_ >>= 8;
      count_ -= 8;
    }
  }
  std::string Finish() {
    if (count_ > 0) bytes_ += static_cast<char>(bits_ & 0xFF);
    std::string blocks;
    for (std::size_t at = 0; at < bytes_.size(); at += 255) {
      const std::size_t n = std::min<std::size_t>(255, bytes_.size() - at);
      blocks += static_cast<char>(n);
      blocks.append(bytes_, at, n);
    }
    return blocks + '\0';
  }

 private:
  std::string bytes_;
  std::uint32_t bits_ = 0;
  int count_ = 0;
};

// The image data without compression: every index is sent as a literal code, and a clear code
// comes before the decoder's table would outgrow nine bits. Any decoder reads this; for
// pictures of a few hundred pixels the size does not matter.
std::string ImageData(const std::vector<std::uint8_t>& indices) {
  constexpr int kClear = 256, kEnd = 257, kLiteralsPerClear = 250;
  CodeStream codes;
  codes.Put(kClear);
  int sinceClear = 0;
  for (const std::uint8_t index : indices) {
    if (sinceClear == kLiteralsPerClear) {
      codes.Put(kClear);
      sinceClear = 0;
    }
    codes.Put(index);
    ++sinceClear;
  }
  codes.Put(kEnd);
  // The minimum code size, then the codes; appended rather than added, which GCC 12's
  // optimiser takes for an overlapping copy (-Wrestrict) in the release build.
  std::string data(1, '\x08');
  data += codes.Finish();
  return data;
}

}  // namespace

std::string WriteGif(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.width > 0xFFFF ||
      picture.height > 0xFFFF ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height) {
    return "";
  }
  const Palette palette = ChoosePalette(picture);
  std::string out = "GIF89a";
  Put16(out, picture.width);
  Put16(out, picture.height);
  out += '\xF7';  // global colour table of 256 entries, 8 bits per primary
  out += static_cast<char>(kTransparent);
  out += '\0';
  for (int i = 0; i < 256; ++i) {
    const Rgba c = i < static_cast<int>(palette.size()) ? palette[i] : Rgba{};
    out += static_cast<char>(c.r);
    out += static_cast<char>(c.g);
    out += static_cast<char>(c.b);
  }
  // Graphic control extension: the transparent index.
  out += std::string("\x21\xF9\x04\x01\x00\x00", 6);
  out += static_cast<char>(kTransparent);
  out += '\0';
  out += '\x2C';
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, picture.width);
  Put16(out, picture.height);
  out += '\0';
  out += ImageData(Indices(picture, palette));
  return out + '\x3B';
}

}  // namespace zak::pictures
