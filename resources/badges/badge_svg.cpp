#include "badge_svg.h"

#include <array>

#include "core/html_escape.h"

namespace zak::badges {
namespace {

// Colours that football clubs wear; the badge takes two different ones.
constexpr std::array<const char*, 12> kPalette = {"#c8102e", "#0050a0", "#00843d", "#111111",
                                                  "#ffffff", "#ffcc00", "#1d2d5c", "#7a1f3d",
                                                  "#f07d00", "#6cace4", "#5b2c83", "#8a8d8f"};

// Dark colours take white initials, light ones black.
bool IsLight(const char* colour) {
  const std::string_view c(colour);
  return c == "#ffffff" || c == "#ffcc00" || c == "#6cace4" || c == "#f07d00" || c == "#8a8d8f";
}

std::uint32_t Fnv1a(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

// The first UTF-8 character of a word, upper-cased where it is an ASCII letter or one of the
// German umlauts.
std::string LeadingLetter(std::string_view word) {
  const unsigned char first = static_cast<unsigned char>(word[0]);
  if (first < 0x80) {
    if (first >= 'a' && first <= 'z') return std::string(1, static_cast<char>(first - 32));
    if (first >= 'A' && first <= 'Z') return std::string(1, static_cast<char>(first));
    return {};
  }
  if (word.size() >= 2 && first == 0xC3) {
    const unsigned char second = static_cast<unsigned char>(word[1]);
    // ä ö ü → Ä Ö Ü; the capitals stay.
    if (second == 0xA4 || second == 0xB6 || second == 0xBC) {
      return std::string{static_cast<char>(0xC3), static_cast<char>(second - 0x20)};
    }
    if (second == 0x84 || second == 0x96 || second == 0x9C) return std::string(word.substr(0, 2));
  }
  return {};
}

// The shield outline and the pattern that divides it, in a 40 × 44 box.
constexpr const char* kShield = "M4 3 H36 V20 C36 31 29 38 20 42 C11 38 4 31 4 20 Z";

// Each pattern lies inside the shield, so no clipping is needed.
std::string Pattern(std::uint32_t hash, const char* second) {
  const std::string fill = std::string(" fill=\"") + second + "\"/>";
  switch (hash % 4) {
    case 0:
      return "<path d=\"M20 3 H36 V20 C36 31 29 38 20 42 Z\"" + fill;
    case 1:
      return "<path d=\"M4 15 H36 V20 C36 23 35.6 25 35 27 H5 C4.4 25 4 23 4 20 Z\"" + fill;
    case 2:
      return "<polygon points=\"4,3 15,3 33,31 26,37 4,12\"" + fill;
    default:
      return "<path d=\"M4 3 H36 V12 H4 Z\"" + fill +
             "<path d=\"M9 34 H31 C28 37.5 24 40 20 42 C16 40 12 37.5 9 34 Z\"" + fill;
  }
}

}  // namespace

std::string BadgeInitials(std::string_view name) {
  std::string initials;
  int count = 0;
  std::size_t pos = 0;
  while (pos < name.size() && count < 3) {
    while (pos < name.size() && (name[pos] == ' ' || name[pos] == '-')) ++pos;
    const std::size_t end = name.find_first_of(" -", pos);
    const std::string_view word =
        name.substr(pos, (end == std::string_view::npos ? name.size() : end) - pos);
    if (!word.empty()) {
      const std::string letter = LeadingLetter(word);
      if (!letter.empty()) {
        initials += letter;
        ++count;
      }
    }
    pos = end == std::string_view::npos ? name.size() : end;
  }
  return initials.empty() ? "?" : initials;
}

std::string BadgeSvg(std::string_view name, std::int32_t id) {
  const std::uint32_t hash = Fnv1a(std::to_string(id) + ":" + std::string(name));
  const std::size_t first = hash % kPalette.size();
  std::size_t second = (hash / 16) % kPalette.size();
  if (second == first) second = (second + 5) % kPalette.size();
  const char* base = kPalette[first];
  const char* stripe = kPalette[second];
  const char* plate = IsLight(base) ? "#111111" : "#ffffff";
  const char* letters = IsLight(base) ? "#ffffff" : "#111111";
  const std::string initials = BadgeInitials(name);
  int letters_count = 0;
  for (const char c : initials) letters_count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  const int fontSize = letters_count >= 3 ? 9 : letters_count == 2 ? 11 : 14;

  std::string svg;
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"44\" ";
  svg += "viewBox=\"0 0 40 44\">\n";
  svg += "<title>" + HtmlEscape(name) + " (" + std::to_string(id) + ")</title>\n";
  svg += "<path d=\"" + std::string(kShield) + "\" fill=\"" + std::string(base) + "\"/>\n";
  svg += Pattern(hash / 256, stripe) + "\n";
  svg += "<circle cx=\"20\" cy=\"21\" r=\"10.5\" fill=\"" + std::string(plate) + "\"/>\n";
  svg += "<text x=\"20\" y=\"25.5\" text-anchor=\"middle\" font-family=\"Liberation Sans\" ";
  svg += "font-weight=\"bold\" font-size=\"" + std::to_string(fontSize) + "\" fill=\"" +
         std::string(letters) + "\">" + HtmlEscape(initials) + "</text>\n";
  svg += "<path d=\"" + std::string(kShield) +
         "\" fill=\"none\" stroke=\"#222222\" stroke-width=\"2\"/>\n";
  svg += "</svg>\n";
  return svg;
}

std::string BadgeFileName(std::int32_t id) { return "club-" + std::to_string(id) + ".svg"; }

}  // namespace zak::badges
