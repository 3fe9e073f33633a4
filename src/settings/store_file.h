// Where the settings file lives, and what a file must be before the store reads it.
#pragma once

#include <cstdint>
#include <string>

namespace zak {

// "<config folder>/ZAK1415/ZAK1415.ini", found without opening anything: the config folder is
// $XDG_CONFIG_HOME, or ~/.config without it. No other file counts: no administrator's defaults
// and no organisation-wide file.
std::string StoreFilePath();

// A store with every league stored is about 430 KB; a larger file is not one the program wrote.
inline constexpr std::int64_t kLargestStoreFile = std::int64_t{4} << 20;

// False when the path names what cannot be the program's store: no regular file (a device, a
// FIFO or a folder, also behind a link) or one beyond kLargestStoreFile. Such a file is never
// opened, so nothing blocks on it or reads it whole. An absent file is a fresh store.
bool IsStoreFileSound(const std::string& path);

}  // namespace zak
