// The program's pictures, drawn from the SVG resources at the size a control needs.
#pragma once

#include <QPixmap>
#include <QString>
#include <cstdint>

namespace zak::ui {

// The SVG resource at `path` drawn into a transparent picture of the given size; an empty
// picture when there is no such resource.
QPixmap RenderPicture(const QString& path, int width, int height);

// The badge of a club id (":/logos/club-<id>.svg"); empty for id 0, the free slot.
QString LogoPath(std::int32_t clubId);

inline const char* const kTrendPictures[3] = {":/images/trend-up.svg", ":/images/trend-same.svg",
                                              ":/images/trend-down.svg"};
inline const char* const kDayMenuOpenPicture = ":/images/day-menu-open.svg";
inline const char* const kDayMenuClosePicture = ":/images/day-menu-close.svg";
inline const char* const kFanClubBanner = ":/images/fanclub-banner.svg";
inline const char* const kProgramIcon = ":/images/zak-icon.svg";
inline const char* const kInfoBackground = ":/images/info-background.svg";
inline const char* const kDonationButton = ":/images/donation-button.svg";

}  // namespace zak::ui
