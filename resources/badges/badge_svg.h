// Club badges of our own: a small shield drawn from the club's name and id. The same club gets
// the same picture on every build, because colours and pattern come from a hash of both.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zak::badges {

// Up to three capital initials of the name's words that begin with a letter ("Bayern München"
// → "BM", "1. FC Köln" → "FK"); a name without letters gives "?".
std::string BadgeInitials(std::string_view name);

// The SVG text of the club's badge.
std::string BadgeSvg(std::string_view name, std::int32_t id);

// Resource file name of the badge of a club id: "club-<id>.svg".
std::string BadgeFileName(std::int32_t id);

}  // namespace zak::badges
