#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "window/window_icon.h"

namespace {

constexpr int kSide = 32;

std::vector<unsigned char> readFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t little(const std::vector<unsigned char>& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}

struct Field {
  const char* name;
  std::size_t offset;
  int width;
  std::uint32_t expected;
};

// The icon group that Windows reads from the program file: one 32x32 image,
// 16 colours, stored as a 744-byte DIB with its masks right after the
// 22-byte directory.
const Field kIcoFields[] = {
    {"directory reserved", 0, 2, 0},
    {"directory type (icon)", 2, 2, 1},
    {"image count", 4, 2, 1},
    {"entry width", 6, 1, 32},
    {"entry height", 7, 1, 32},
    {"entry colour count", 8, 1, 16},
    {"entry planes", 10, 2, 1},
    {"entry bits per pixel", 12, 2, 4},
    {"entry image size", 14, 4, 744},
    {"entry image offset", 18, 4, 22},
    {"header size", 22, 4, 40},
    {"DIB width", 26, 4, 32},
    {"DIB height (both masks)", 30, 4, 64},
    {"DIB planes", 34, 2, 1},
    {"DIB bits per pixel", 36, 2, 4},
    {"DIB compression", 38, 4, 0},
};

TEST(ProgramFileIcon, IsOne32By32SixteenColourImageOf744Bytes) {
  const auto ico = readFile(UMRAK_ICON_FILE);
  ASSERT_EQ(ico.size(), 22u + 744u);
  for (const Field& field : kIcoFields) {
    SCOPED_TRACE(field.name);
    EXPECT_EQ(little(ico, field.offset, field.width), field.expected);
  }
}

QImage windowIcon() {
  return umrak::ui::linkedWindowIcon().convertToFormat(QImage::Format_ARGB32);
}

TEST(WindowIcon, IsLinkedIntoTheProgramAs32By32) {
  const QImage icon = windowIcon();
  EXPECT_EQ(icon.size(), QSize(kSide, kSide));
  EXPECT_TRUE(icon.hasAlphaChannel());
}

// The program file's icon and the desktop's (the PNG the theme installs)
// show what the window shows.
TEST(WindowIcon, ShowsTheSamePixelsAsTheProgramFileAndDesktopIcons) {
  const QImage window = windowIcon();
  ASSERT_EQ(window.size(), QSize(kSide, kSide));
  for (const char* file : {UMRAK_ICON_FILE, UMRAK_PNG_FILE}) {
    SCOPED_TRACE(file);
    const QImage other = QImage(QString::fromUtf8(file)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(other.size(), QSize(kSide, kSide));
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
        const QRgb shown = window.pixel(x, y);
        ASSERT_EQ(qAlpha(other.pixel(x, y)), qAlpha(shown));
        if (qAlpha(shown) != 0) {
          ASSERT_EQ(other.pixel(x, y), shown);
        }
      }
    }
  }
}

TEST(WindowIcon, IsAnOpaqueGreyDiscOnAClearGround) {
  const QImage icon = windowIcon();
  const struct {
    const char* where;
    QPoint at;
    bool opaque;
  } points[] = {
      {"top-left corner", {0, 0}, false},
      {"top-right corner", {31, 0}, false},
      {"bottom-left corner", {0, 31}, false},
      {"bottom-right corner", {31, 31}, false},
      {"centre", {16, 16}, true},
      {"top of the rim", {16, 1}, true},
      {"left of the rim", {1, 16}, true},
      {"just outside the rim", {3, 3}, false},
  };
  for (const auto& point : points) {
    SCOPED_TRACE(point.where);
    EXPECT_EQ(qAlpha(icon.pixel(point.at)) == 255, point.opaque);
    EXPECT_TRUE(qAlpha(icon.pixel(point.at)) == 0 || qAlpha(icon.pixel(point.at)) == 255);
  }
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const QRgb p = icon.pixel(x, y);
      if (qAlpha(p) == 0) continue;
      SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
      ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p));
    }
  }
}

bool isRim(const QImage& icon, int x, int y) {
  const QPoint around[] = {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}};
  for (const QPoint& p : around) {
    if (!icon.valid(p) || qAlpha(icon.pixel(p)) == 0) return true;
  }
  return false;
}

// Turned half a turn, a yin-yang shows itself with black and white swapped:
// each half is the other's shape, and each dot sits where the other's was.
TEST(WindowIcon, TurnedHalfATurnSwapsBlackAndWhite) {
  const QImage icon = windowIcon();
  int black = 0;
  int white = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const QRgb p = icon.pixel(x, y);
      const QRgb turned = icon.pixel(kSide - 1 - x, kSide - 1 - y);
      SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
      ASSERT_EQ(qAlpha(p), qAlpha(turned));
      if (qAlpha(p) == 0 || isRim(icon, x, y)) continue;
      if (qGray(p) == 0) {
        ++black;
        EXPECT_NE(qGray(turned), 0);
      } else if (qGray(p) == 255) {
        ++white;
        EXPECT_NE(qGray(turned), 255);
      }
    }
  }
  EXPECT_GT(black, 250);
  EXPECT_GT(white, 250);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
