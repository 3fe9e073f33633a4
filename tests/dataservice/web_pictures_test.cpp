// The web pictures as a browser gets them: every GIF the writer makes, and every picture
// compiled into the service, must read back through an independent decoder (Qt's).
#include "web_pictures.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <set>
#include <string>

#include "core/catalogue.h"
#include "gif_writer.h"

namespace zak::pictures {
namespace {

QImage Decode(const std::string& bytes, const char* format) {
  return QImage::fromData(QByteArray::fromStdString(bytes), format)
      .convertToFormat(QImage::Format_ARGB32);
}

Picture Make(int width, int height, Rgba (*colour)(int x, int y)) {
  Picture picture{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.pixels.push_back(colour(x, y));
  }
  return picture;
}

struct GifCase {
  const char* label;
  Picture picture;
};

class GifRoundTrip : public testing::TestWithParam<GifCase> {};

// Up to 255 colours come back exactly; less than half opaque comes back transparent.
TEST_P(GifRoundTrip, DecodesToTheSamePixels) {
  const Picture& picture = GetParam().picture;
  const QImage image = Decode(WriteGif(picture), "GIF");
  ASSERT_EQ(image.width(), picture.width);
  ASSERT_EQ(image.height(), picture.height);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgba p = picture.pixels[y * picture.width + x];
      const QRgb got = image.pixel(x, y);
      if (p.a < 128) {
        ASSERT_EQ(qAlpha(got), 0) << x << "," << y;
      } else {
        ASSERT_EQ(got, qRgba(p.r, p.g, p.b, 255)) << x << "," << y;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, GifRoundTrip,
    testing::Values(
        GifCase{"OnePixel", Make(1, 1,
                                 [](int, int) {
                                   return Rgba{10, 20, 30, 255};
                                 })},
        GifCase{"AllTransparent", Make(3, 2, [](int, int) { return Rgba{}; })},
        GifCase{"HalfOpaqueEdge",
                Make(4, 1,
                     [](int x, int) {
                       return Rgba{200, 0, 0, static_cast<std::uint8_t>(x * 60 + 10)};
                     })},
        // More pixels than fit between two clear codes and more bytes than one sub-block.
        GifCase{"ManyPixels255Colours", Make(60, 50,
                                             [](int x, int y) {
                                               const int c = (x + y * 60) % 255;
                                               return Rgba{static_cast<std::uint8_t>(c),
                                                           static_cast<std::uint8_t>(255 - c),
                                                           static_cast<std::uint8_t>(c * 7), 255};
                                             })}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(Gif, MoreThan255ColoursFallBackToTheNearestFrequentOne) {
  // 254 shades of grey that fill most pixels, then a few single reds too many for the palette.
  const Picture picture = Make(300, 2, [](int x, int y) {
    if (y == 1 && x >= 290) return Rgba{static_cast<std::uint8_t>(250 - x % 290), 0, 0, 255};
    const auto grey = static_cast<std::uint8_t>(x % 254);
    return Rgba{grey, grey, grey, 255};
  });
  const QImage image = Decode(WriteGif(picture), "GIF");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.pixel(100, 0), qRgba(100, 100, 100, 255));
  const QRgb red = image.pixel(299, 1);
  EXPECT_GT(qRed(red), 200);
  EXPECT_LT(qGreen(red) + qBlue(red), 60);
}

TEST(Gif, RefusesAPictureWhosePixelsDoNotMatchItsSize) {
  EXPECT_EQ(WriteGif(Picture{2, 2, std::vector<Rgba>(3)}), "");
  EXPECT_EQ(WriteGif(Picture{0, 0, {}}), "");
}

}  // namespace
}  // namespace zak::pictures

namespace zak::dataservice {
namespace {

// Every club of every league has its badge; the arrows and the logo are there; each decodes
// as what its content type says and is not blank.
TEST(CompiledWebPictures, EveryBadgeArrowAndTheLogoDecode) {
  std::set<std::string> expected = {"/zak/i/n.gif", "/zak/i/p.gif", "/zak/i/m.gif",
                                    "/zak/img/zak_logo.png"};
  TeamTable table{};
  for (int league = 0; league < kLeagueCount; ++league) {
    FillTeamCatalogue(table, league);
    for (const TeamRow& row : table[league]) {
      if (!row.Name.empty()) expected.insert("/zak/i/t/a/" + std::to_string(row.Id) + ".gif");
    }
  }
  std::set<std::string> served;
  for (const WebPicture& picture : WebPictures()) {
    const std::string path(picture.path);
    served.insert(path);
    const bool png = path.ends_with(".png");
    EXPECT_EQ(picture.contentType, png ? "image/png" : "image/gif") << path;
    const QImage image = pictures::Decode(std::string(picture.bytes), png ? "PNG" : "GIF");
    ASSERT_FALSE(image.isNull()) << path;
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
    }
    EXPECT_GT(opaque, image.width() * image.height() / 4) << path;
  }
  EXPECT_EQ(served, expected);
}

TEST(CompiledWebPictures, ArrowsDifferFromEachOther) {
  std::set<std::string_view> arrows;
  for (const WebPicture& picture : WebPictures()) {
    if (picture.path.starts_with("/zak/i/") && picture.path.size() == 12) {
      arrows.insert(picture.bytes);
    }
  }
  EXPECT_EQ(arrows.size(), 3u);
}

}  // namespace
}  // namespace zak::dataservice
