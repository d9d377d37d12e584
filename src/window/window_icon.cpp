#include "window/window_icon.h"

#include <QByteArray>
#include <QResource>

namespace umrak::ui {

namespace {
constexpr int kSide = 32;
}  // namespace

QImage linkedWindowIcon() {
  const QByteArray pixels = QResource(QStringLiteral(":/icons/umrak.rgba")).uncompressedData();
  if (pixels.size() != kSide * kSide * 4) return {};
  return QImage(reinterpret_cast<const uchar*>(pixels.constData()), kSide, kSide,
                QImage::Format_RGBA8888)
      .copy();
}

}  // namespace umrak::ui
