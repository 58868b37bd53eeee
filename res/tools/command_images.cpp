#include "res/tools/command_images.h"

#include <QPainter>
#include <array>
#include <functional>

#include "render/shading.h"
#include "res/tools/surface_image.h"

namespace pelmoro::resources {

namespace {

constexpr int kSize = 16;

void Polygon(Surface& s, std::initializer_list<Point> points, Color pen, Color brush) {
  CSolidPen p(s, pen);
  CSolidBrush b(s, brush);
  s.Polygon(points.begin(), static_cast<int>(points.size()));
}

void Pixel(Surface& s, int x, int y, Color c) { s.FillSolidRect(x, y, 1, 1, c); }

// A letter in a 3 x 5 pixel font, '#' for ink.
using Glyph = std::array<const char*, 5>;

void DrawGlyph(Surface& s, const Glyph& glyph, int left, int top, Color ink) {
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 3; ++x)
      if (glyph[y][x] == '#') Pixel(s, left + x, top + y, ink);
}

void DrawNewPage(Surface& s) {
  const Color line = RGB(64, 64, 64);
  Polygon(s, {{2, 0}, {10, 0}, {13, 3}, {13, 15}, {2, 15}}, line, RGB(255, 255, 255));
  CSolidPen pen(s, line);
  s.MoveTo(10, 0);
  s.LineTo(10, 3);
  s.LineTo(13, 3);
  Pixel(s, 11, 1, RGB(224, 224, 224));
  Pixel(s, 11, 2, RGB(224, 224, 224));
  Pixel(s, 12, 2, RGB(224, 224, 224));
}

void DrawOpenFolder(Surface& s) {
  const Color edge = RGB(120, 90, 0);
  Polygon(s, {{0, 2}, {5, 2}, {6, 3}, {12, 3}, {12, 13}, {0, 13}}, edge, RGB(214, 168, 40));
  Polygon(s, {{3, 7}, {15, 7}, {12, 13}, {0, 13}}, edge, RGB(255, 222, 96));
}

void DrawDisk(Surface& s) {
  Polygon(s, {{1, 1}, {13, 1}, {14, 2}, {14, 14}, {1, 14}}, RGB(20, 30, 90), RGB(52, 84, 176));
  s.FillSolidRect(4, 2, 8, 5, RGB(214, 218, 226));
  s.FillSolidRect(9, 3, 2, 3, RGB(52, 84, 176));
  s.FillSolidRect(3, 9, 10, 5, RGB(255, 255, 255));
  s.FillSolidRect(4, 10, 8, 1, RGB(150, 160, 190));
  s.FillSolidRect(4, 12, 8, 1, RGB(150, 160, 190));
}

// A small landscape picture with a coloured tag in its corner that carries the format's
// first letter.
void DrawPictureFile(Surface& s, const Glyph& letter, Color tag) {
  Polygon(s, {{0, 1}, {12, 1}, {12, 11}, {0, 11}}, RGB(70, 70, 70), RGB(150, 200, 255));
  {
    CSolidPen pen(s, RGB(255, 214, 0));
    CSolidBrush brush(s, RGB(255, 214, 0));
    s.Ellipse({2, 3, 6, 7});
  }
  Polygon(s, {{1, 10}, {5, 6}, {8, 8}, {11, 5}, {11, 10}}, RGB(20, 110, 40), RGB(40, 160, 60));
  Polygon(s, {{7, 7}, {15, 7}, {15, 15}, {7, 15}}, DarkenColor(tag, 40), tag);
  DrawGlyph(s, letter, 10, 9, RGB(255, 255, 255));
}

// A small picture in the corner of a larger frame, with an arrow out to the frame's far
// corner: the picture at another size.
void DrawAnySize(Surface& s) {
  Polygon(s, {{0, 0}, {15, 0}, {15, 15}, {0, 15}}, RGB(120, 120, 120), RGB(255, 255, 255));
  Polygon(s, {{0, 0}, {9, 0}, {9, 7}, {0, 7}}, RGB(70, 70, 70), RGB(150, 200, 255));
  Polygon(s, {{1, 6}, {3, 4}, {5, 5}, {8, 2}, {8, 6}}, RGB(20, 110, 40), RGB(40, 160, 60));
  const Color arrow = RGB(200, 40, 40);
  Polygon(s, {{14, 7}, {14, 14}, {7, 14}}, arrow, arrow);
  Polygon(s, {{7, 8}, {8, 7}, {11, 10}, {10, 11}}, arrow, arrow);
}

// A strip of film with sprocket holes down both edges and a face in its frame: the
// animation.
void DrawAnimation(Surface& s) {
  const Color film = RGB(40, 40, 48);
  s.FillSolidRect(1, 0, 14, 16, film);
  for (int y = 1; y < 16; y += 3) {
    s.FillSolidRect(2, y, 2, 2, RGB(230, 230, 230));
    s.FillSolidRect(12, y, 2, 2, RGB(230, 230, 230));
  }
  s.FillSolidRect(5, 2, 6, 12, RGB(150, 200, 255));
  {
    CSolidPen pen(s, RGB(150, 100, 40));
    CSolidBrush brush(s, RGB(255, 204, 150));
    s.Ellipse({5, 4, 11, 12});
  }
  Pixel(s, 6, 7, RGB(0, 0, 0));
  Pixel(s, 9, 6, RGB(0, 0, 0));  // one eye looks aside
  s.FillSolidRect(7, 10, 2, 1, RGB(200, 40, 40));
}

void DrawAbout(Surface& s) {
  {
    CSolidPen pen(s, RGB(20, 60, 160));
    CSolidBrush brush(s, RGB(40, 100, 220));
    s.Ellipse({0, 0, 16, 16});
  }
  const Color white = RGB(255, 255, 255);
  s.FillSolidRect(7, 3, 2, 2, white);
  s.FillSolidRect(6, 6, 3, 1, white);
  s.FillSolidRect(7, 7, 2, 5, white);
  s.FillSolidRect(6, 12, 4, 1, white);
}

QImage Draw(const std::function<void(Surface&)>& paint) {
  CMemoryDC dc(kSize, kSize, kTransparentKey);
  paint(dc);
  return ImageWithTransparentKey(dc);
}

}  // namespace

QImage DrawCommandStrip() {
  const Glyph b{"##.", "#.#", "##.", "#.#", "##."};
  const Glyph g{".##", "#..", "#.#", "#.#", ".##"};
  const Glyph j{"..#", "..#", "..#", "#.#", ".#."};
  const Glyph p{"##.", "#.#", "##.", "#..", "#.."};
  const Glyph t{"###", ".#.", ".#.", ".#.", ".#."};
  const std::function<void(Surface&)> images[] = {
      DrawNewPage,
      DrawOpenFolder,
      DrawDisk,
      [&](Surface& s) { DrawPictureFile(s, b, RGB(120, 60, 170)); },
      [&](Surface& s) { DrawPictureFile(s, g, RGB(230, 120, 20)); },
      [&](Surface& s) { DrawPictureFile(s, j, RGB(200, 40, 40)); },
      [&](Surface& s) { DrawPictureFile(s, p, RGB(0, 140, 140)); },
      [&](Surface& s) { DrawPictureFile(s, t, RGB(110, 80, 50)); },
      DrawAbout,
      DrawAnySize,
      DrawAnimation,
  };
  QImage strip(kSize * static_cast<int>(std::size(images)), kSize, QImage::Format_ARGB32);
  strip.fill(Qt::transparent);
  QPainter painter(&strip);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  int x = 0;
  for (const auto& paint : images) {
    painter.drawImage(x, 0, Draw(paint));
    x += kSize;
  }
  return strip;
}

QImage DrawCheckMark() {
  return Draw([](Surface& s) {
    Polygon(s, {{1, 8}, {3, 6}, {6, 9}, {12, 2}, {14, 4}, {6, 13}}, RGB(0, 100, 0), RGB(40, 180, 40));
  });
}

}  // namespace pelmoro::resources
