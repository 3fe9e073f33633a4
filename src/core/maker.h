// What the maker decides once for every build: names, addresses, the data service's host.
// The values come from the build options of the top-level CMakeLists.txt.
#pragma once

#include <string>
#include <string_view>

namespace zak {

inline constexpr std::string_view kMakerName = ZAK_MAKER_NAME;
inline constexpr std::string_view kCopyrightNotice = "© 2005–2015 " ZAK_MAKER_NAME;
inline constexpr std::string_view kContactAddress = ZAK_CONTACT_ADDRESS;
inline constexpr std::string_view kDonationPage = ZAK_DONATION_PAGE;
inline constexpr std::string_view kFanClubPage = ZAK_FANCLUB_PAGE;
// The football association's news site, home of the articles on point deductions.
inline constexpr std::string_view kNewsSite = ZAK_NEWS_SITE;
// The account for donations by bank transfer.
inline constexpr std::string_view kBankName = ZAK_BANK_NAME;
inline constexpr std::string_view kBankCode = ZAK_BANK_CODE;
inline constexpr std::string_view kAccountNumber = ZAK_ACCOUNT_NUMBER;
// Default address of the data service ("host" or "host:port").
inline constexpr std::string_view kDefaultServerHost = ZAK_SERVER_HOST;
inline constexpr std::string_view kProgramVersion = "2.0.9.2";
inline constexpr std::string_view kProgramTitle = "ZAK 14/15 v2.0.9.2";
inline constexpr std::string_view kProductName = "ZAK 14/15";
inline constexpr std::string_view kReleaseDate = "17.05.2015";
// Every agent text the program sends starts with this marker.
inline constexpr std::string_view kBuildMarker = "ZAK1415-";

// The maker's web pages live on the data service's host.
inline std::string HomePage(std::string_view host) {
  return "http://" + std::string(host) + "/zak/";
}
inline std::string ReportPage(std::string_view host) {
  return "http://" + std::string(host) + "/zak/?s=report";
}
inline std::string ImageFolder(std::string_view host) {
  return "http://" + std::string(host) + "/zak/i/";
}
inline std::string BannerLogo(std::string_view host) {
  return "http://" + std::string(host) + "/zak/img/zak_logo.png";
}

}  // namespace zak
