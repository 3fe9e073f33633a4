#include "pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library: registering them here pulls them into every program
// that draws one.
static void RegisterPictureResources() {
  Q_INIT_RESOURCE(images);
  Q_INIT_RESOURCE(logos);
}

namespace zak::ui {

QPixmap RenderPicture(const QString& path, int width, int height) {
  static const bool registered = (RegisterPictureResources(), true);
  (void)registered;
  if (path.isEmpty() || !QFile::exists(path)) return {};
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return {};
  QPixmap picture(width, height);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  renderer.render(&painter);
  return picture;
}

QString LogoPath(std::int32_t clubId) {
  return clubId == 0 ? QString() : QString(":/logos/club-%1.svg").arg(clubId);
}

}  // namespace zak::ui
