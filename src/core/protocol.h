// The data-service protocol's fixed texts and paths, shared by the program (which asks) and
// zak-dataservice (which answers). The answers listed here travel shifted (top bit of every
// byte inverted); they are given here as plain text.
#pragma once

#include <string_view>

namespace zak {

// League data: "?l=<league + 1>&ui=<update count the client holds>".
inline constexpr std::string_view kLeagueDataPath = "/zak/ud/gd1415.php";
inline constexpr std::string_view kLeagueParameter = "l";
inline constexpr std::string_view kUpdateCountParameter = "ui";
// The version texts: "?s=" and one of the three selectors.
inline constexpr std::string_view kVersionPath = "/zak/dl/fw1415.php";
inline constexpr std::string_view kVersionParameter = "s";
inline constexpr std::string_view kDownloadAddressSelector = "0";
inline constexpr std::string_view kVersionHistorySelector = "1";
inline constexpr std::string_view kLatestVersionSelector = "2";
// The news line, shifted.
inline constexpr std::string_view kNewsPath = "/zak/ud/news1415.php";

// Between a league's items and its update count.
inline constexpr std::string_view kUpdateCountSeparator = "<>";
// The whole answer when the request did not reach the service unchanged (a filtering proxy).
inline constexpr std::string_view kAnswerFiltered = "t(%)rwz81";
// The whole answer when the service has nothing new: the stored copy stays in use.
inline constexpr std::string_view kAnswerNothingNew = "q)W7kd45%";
// Whole answers the program reads as "page unavailable" and "cannot connect".
inline constexpr std::string_view kAnswerPageUnavailable = "1";
inline constexpr std::string_view kAnswerCannotConnect = "2";
// A page that contains this phrase is the service's not-found page: a failed request.
inline constexpr std::string_view kNotFoundPhrase = "Seite nicht gefunden";

// What every data-service request of the program returns when it fails; callers test for it.
inline constexpr std::string_view kConnectionFailedText =
    "Verbindung konnte nicht hergestellt werden.";
// The news line shown when the service gives none.
inline constexpr std::string_view kDefaultNewsLine = "ZAK - Die Zakliste der Saison 2014 / 2015!";

}  // namespace zak
