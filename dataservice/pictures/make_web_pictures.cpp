// Draws the pictures of the maker's web pages from the program's own SVGs and writes them as a
// C++ source that zak-dataservice compiles in: every club badge at "/zak/i/t/a/<id>.gif", the
// three trend arrows at "/zak/i/{n,p,m}.gif" and the banner logo at "/zak/img/zak_logo.png".
// Runs at build time, so the service itself needs no drawing library.
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "gif_writer.h"

namespace {

// Sizes in pixels: a badge fits a 10 pt table row, as the arrow beside it does.
constexpr QSize kBadgeSize{20, 22};
constexpr QSize kArrowSize{11, 11};
constexpr QSize kLogoSize{180, 36};

struct WebPicture {
  std::string path;
  std::string contentType;
  std::string bytes;
};

QImage Render(const QString& svgFile, QSize size) {
  QSvgRenderer renderer(svgFile);
  if (!renderer.isValid()) return {};
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

std::string Gif(const QImage& image) {
  zak::pictures::Picture picture{image.width(), image.height(), {}};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      picture.pixels.push_back(
          {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
           static_cast<std::uint8_t>(qBlue(p)), static_cast<std::uint8_t>(qAlpha(p))});
    }
  }
  return zak::pictures::WriteGif(picture);
}

std::string Png(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

// Every byte as a three-digit octal escape: no escape can run into the next character.
std::string Literal(const std::string& bytes) {
  std::string out = "\"";
  char escape[5];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0 && i % 40 == 0) out += "\"\n    \"";
    std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(bytes[i]));
    out += escape;
  }
  return out + "\"";
}

std::string Source(const std::vector<WebPicture>& pictures) {
  std::string out =
      "// Written by zak-make-web-pictures at build time. Do not edit.\n"
      "#include \"web_pictures.h\"\n\nnamespace zak::dataservice {\nnamespace {\n\n";
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    out += "constexpr char kPicture" + std::to_string(i) + "[] =\n    " +
           Literal(pictures[i].bytes) + ";\n";
  }
  out +=
      "\n}  // namespace\n\nstd::span<const WebPicture> WebPictures() {\n"
      "  static const WebPicture pictures[] = {\n";
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const std::string name = "kPicture" + std::to_string(i);
    out += "      {\"" + pictures[i].path + "\", \"" + pictures[i].contentType + "\", {" + name +
           ", sizeof " + name + " - 1}},\n";
  }
  return out + "  };\n  return pictures;\n}\n\n}  // namespace zak::dataservice\n";
}

bool Add(std::vector<WebPicture>& pictures, const std::string& path, const QString& svg, QSize size,
         bool png) {
  const QImage image = Render(svg, size);
  const std::string bytes = image.isNull() ? "" : png ? Png(image) : Gif(image);
  if (bytes.empty()) {
    std::cerr << "zak-make-web-pictures: " << svg.toStdString() << " lässt sich nicht zeichnen\n";
    return false;
  }
  pictures.push_back({path, png ? "image/png" : "image/gif", bytes});
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "Aufruf: zak-make-web-pictures RESOURCES-ORDNER AUSGABE.cpp\n";
    return 2;
  }
  // Drawing text needs the fonts of a GUI application, not a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  const QDir resources(QString::fromLocal8Bit(argv[1]));
  std::vector<WebPicture> pictures;
  bool ok = true;
  for (const QString& file :
       QDir(resources.filePath("logos")).entryList({"club-*.svg"}, QDir::Files, QDir::Name)) {
    const QString id = file.mid(5, file.size() - 9);
    ok &= Add(pictures, "/zak/i/t/a/" + id.toStdString() + ".gif",
              resources.filePath("logos/" + file), kBadgeSize, false);
  }
  ok &=
      Add(pictures, "/zak/i/n.gif", resources.filePath("images/trend-same.svg"), kArrowSize, false);
  ok &= Add(pictures, "/zak/i/p.gif", resources.filePath("images/trend-up.svg"), kArrowSize, false);
  ok &=
      Add(pictures, "/zak/i/m.gif", resources.filePath("images/trend-down.svg"), kArrowSize, false);
  ok &= Add(pictures, "/zak/img/zak_logo.png", resources.filePath("images/zak-logo.svg"), kLogoSize,
            true);
  if (!ok || pictures.size() < 5) return 1;
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << Source(pictures);
  out.close();
  return out ? 0 : 1;
}
