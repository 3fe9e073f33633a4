# What every build of these sources decides, the fuzz build (fuzz/) as well as this project:
# the maker's values, where an installation keeps the season, and the INTERFACE target
# zak_settings with the language level, warnings and sanitizers that every target links.
# The source tree's root, for the projects that include this file.
get_filename_component(ZAK_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

option(ZAK_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ZAK_WERROR "Treat compiler warnings as errors" OFF)

# What the system leaves to the maker: decided once, here, as build options.
set(ZAK_MAKER_NAME "ZAK-Team" CACHE STRING "Name of the maker")
set(ZAK_SERVER_HOST "127.0.0.1:8014" CACHE STRING "Host (and port) of the maker's data service")
set(ZAK_CONTACT_ADDRESS "kontakt@zak.example" CACHE STRING "Maker's contact e-mail address")
set(ZAK_DONATION_PAGE "https://zak.example/spenden" CACHE STRING "Donation page")
set(ZAK_FANCLUB_PAGE "https://zak.example/fanclub" CACHE STRING "Fan club page")
set(ZAK_NEWS_SITE "https://www.dfb.de" CACHE STRING "Association's news site")
# The account for donations by bank transfer; the defaults are examples, not an account.
set(ZAK_BANK_NAME "Beispielbank" CACHE STRING "Maker's bank for donations")
set(ZAK_BANK_CODE "000 000 00" CACHE STRING "Bank code (BLZ) of the maker's bank")
set(ZAK_ACCOUNT_NUMBER "00 0000 0000" CACHE STRING "Maker's account number")
set(ZAK_SCREENSHOT_URL "https://zak.example/bilder/zak1415-hauptfenster.png" CACHE STRING
    "Screenshot of the main window named in the AppStream metadata")

include(GNUInstallDirs)
# Where an installation keeps the season files, below its prefix.
set(ZAK_SEASON_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/zak1415/season-2014-15)

# A compiler cache, where one is installed: a second clone or a rebuild after a small change
# compiles only what changed.
find_program(ZAK_CCACHE ccache)
if(ZAK_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${ZAK_CCACHE})
endif()

# Every target links this one: language level, warnings, sanitizers.
add_library(zak_settings INTERFACE)
target_compile_features(zak_settings INTERFACE cxx_std_20)
target_compile_options(zak_settings INTERFACE -Wall -Wextra -Wpedantic)
if(ZAK_WERROR)
  target_compile_options(zak_settings INTERFACE -Werror)
endif()
if(ZAK_SANITIZE)
  target_compile_options(zak_settings INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                -fno-sanitize-recover=undefined)
  target_link_options(zak_settings INTERFACE -fsanitize=address,undefined)
endif()
target_compile_definitions(zak_settings INTERFACE
  ZAK_MAKER_NAME="${ZAK_MAKER_NAME}"
  ZAK_SERVER_HOST="${ZAK_SERVER_HOST}"
  ZAK_CONTACT_ADDRESS="${ZAK_CONTACT_ADDRESS}"
  ZAK_DONATION_PAGE="${ZAK_DONATION_PAGE}"
  ZAK_FANCLUB_PAGE="${ZAK_FANCLUB_PAGE}"
  ZAK_NEWS_SITE="${ZAK_NEWS_SITE}"
  ZAK_BANK_NAME="${ZAK_BANK_NAME}"
  ZAK_BANK_CODE="${ZAK_BANK_CODE}"
  ZAK_ACCOUNT_NUMBER="${ZAK_ACCOUNT_NUMBER}")
