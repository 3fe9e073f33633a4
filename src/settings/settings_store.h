// The per-user settings store: every option, the installation identity, the last league and the
// stored copy of every league, under application "ZAK1415", addressed by section and key.
// Values are texts (UTF-8 inside the program) kept as their Windows-1252 bytes, so every byte a
// scrambled value can hold, NUL too, survives. Every change is written through at once.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/outcome.h"
#include "core/stored_league_text.h"  // BoolToText, IsTrueText

namespace zak {

// Sections are addressed by number.
enum SectionNumber : int {
  kSectionHtml = 0,
  kSectionStart = 1,
  kSectionData = 2,
  kSectionProxy = 3,
  kSectionServer = 4,
};

// "HTML", "Start", "Data", "Proxy", "Server"; an empty text for any other number.
std::string GetSectionName(int section);

// One key of the store with its default. Keys with a league digit are listed once per league.
struct SettingKey {
  int section;
  std::string key;
  std::string defaultValue;
};

// Every key the program uses, with its default when absent.
std::span<const SettingKey> SettingKeys();
// The default of a listed key; an empty text for a key that is not listed.
std::string SettingDefault(int section, std::string_view key);

// Keys that carry a league digit.
std::string LeagueDataKey(int league);     // "14" + L: the stored copy
std::string UpdateCountKey(int league);    // "14u" + L: the update count
std::string FavouriteTeamKey(int league);  // "fav" + L

// The stored value, or `defaultValue` when the key is absent or the file damaged.
std::string GetSettingValue(int section, std::string_view key, std::string_view defaultValue);
// Stores the value (creating section and key) and writes the store through. A failure, with the
// notice TakeStoreFailure would give, when the write failed (full disk, read-only folder, a
// damaged file, another program holding the store, see store_lock.h): the file then still holds
// every earlier value whole, and so does every later read.
Outcome<void> SaveSettingValue(int section, std::string_view key, std::string_view value);

// The settings file ("<config folder>/ZAK1415/ZAK1415.ini"); readable by its owner only.
std::string SettingsFilePath();

// One value to store.
struct SettingValue {
  int section;
  std::string key;
  std::string value;
};

// Stores all values with one write of the store: either all of them are kept, or, when the write
// fails, none, and every key reads as before. A value of a section the store does not have is a
// failure that writes nothing; a failed write, a failure as SaveSettingValue's.
Outcome<void> SaveSettingValues(std::span<const SettingValue> values);

// True once a write of this run failed.
bool StoreWriteFailed();

// After a failed write, or while the settings file is damaged (see IsStoreFileSound: the store
// then reads as defaults and writes nothing): a failure with the notice to give the user, the
// first time it is asked for in a run; a success before and after the first time.
Outcome<void> TakeStoreFailure();

}  // namespace zak
