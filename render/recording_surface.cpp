#include "render/recording_surface.h"

#include <cstdio>
#include <sstream>

namespace pelmoro {

namespace {

const char* OpName(RecordingSurface::Op op) {
  switch (op) {
    case RecordingSurface::Op::Ellipse:
      return "Ellipse";
    case RecordingSurface::Op::RoundRect:
      return "RoundRect";
    case RecordingSurface::Op::Arc:
      return "Arc";
    case RecordingSurface::Op::Chord:
      return "Chord";
    case RecordingSurface::Op::Pie:
      return "Pie";
    case RecordingSurface::Op::Polygon:
      return "Polygon";
    case RecordingSurface::Op::FillSolidRect:
      return "FillSolidRect";
    case RecordingSurface::Op::MoveTo:
      return "MoveTo";
    case RecordingSurface::Op::LineTo:
      return "LineTo";
    case RecordingSurface::Op::GradientFill:
      return "GradientFill";
  }
  return "?";
}

std::string Hex(Color c) {
  char text[16];
  std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(c));
  return text;
}

}  // namespace

std::string RecordingSurface::Call::ToString() const {
  std::ostringstream out;
  out << OpName(op) << " (" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
  switch (op) {
    case Op::Arc:
    case Op::Chord:
    case Op::Pie:
      out << " S(" << start.x << ", " << start.y << ") E(" << end.x << ", " << end.y << ")";
      break;
    case Op::RoundRect:
      out << " corner " << a << "x" << b;
      break;
    case Op::Polygon:
      out << " points";
      for (const Point& p : points) out << " (" << p.x << ", " << p.y << ")";
      break;
    case Op::FillSolidRect:
      out << " colour " << Hex(color);
      break;
    case Op::MoveTo:
    case Op::LineTo:
      out << " to (" << start.x << ", " << start.y << ")";
      break;
    case Op::GradientFill:
      out << " from " << Hex(color) << " to " << Hex(color2) << " mode " << a;
      break;
    default:
      break;
  }
  out << " pen " << Hex(pen) << " brush " << Hex(brush);
  return out.str();
}

std::string RecordingSurface::Dump() const {
  std::string text;
  for (const Call& call : calls_) text += call.ToString() + "\n";
  return text;
}

RecordingSurface::Call& RecordingSurface::Add(Op op) {
  Call call{};
  call.op = op;
  call.pen = pen_;
  call.brush = brush_;
  calls_.push_back(std::move(call));
  return calls_.back();
}

void RecordingSurface::Ellipse(const Rect& r) { Add(Op::Ellipse).rect = r; }

void RecordingSurface::RoundRect(const Rect& r, std::int32_t cornerWidth, std::int32_t cornerHeight) {
  Call& call = Add(Op::RoundRect);
  call.rect = r;
  call.a = cornerWidth;
  call.b = cornerHeight;
}

void RecordingSurface::AddArcFigure(Op op, const Rect& r, Point start, Point end) {
  Call& call = Add(op);
  call.rect = r;
  call.start = start;
  call.end = end;
}

void RecordingSurface::Arc(const Rect& r, Point start, Point end) { AddArcFigure(Op::Arc, r, start, end); }
void RecordingSurface::Chord(const Rect& r, Point start, Point end) { AddArcFigure(Op::Chord, r, start, end); }
void RecordingSurface::Pie(const Rect& r, Point start, Point end) { AddArcFigure(Op::Pie, r, start, end); }

void RecordingSurface::Polygon(const Point* points, int count) {
  Call& call = Add(Op::Polygon);
  if (points != nullptr && count > 0) call.points.assign(points, points + count);
}

void RecordingSurface::FillSolidRect(std::int32_t x, std::int32_t y, std::int32_t cx, std::int32_t cy, Color c) {
  Call& call = Add(Op::FillSolidRect);
  call.rect = {x, y, static_cast<std::int32_t>(static_cast<std::uint32_t>(x) + static_cast<std::uint32_t>(cx)),
               static_cast<std::int32_t>(static_cast<std::uint32_t>(y) + static_cast<std::uint32_t>(cy))};
  call.a = cx;
  call.b = cy;
  call.color = c;
}

void RecordingSurface::FillSolidRect(const Rect& r, Color c) {
  Call& call = Add(Op::FillSolidRect);
  call.rect = r;
  call.a = r.Width();
  call.b = r.Height();
  call.color = c;
}

void RecordingSurface::MoveTo(std::int32_t x, std::int32_t y) { Add(Op::MoveTo).start = {x, y}; }
void RecordingSurface::LineTo(std::int32_t x, std::int32_t y) { Add(Op::LineTo).start = {x, y}; }

void RecordingSurface::GradientFill(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, Color from,
                                    Color to, GradientMode mode) {
  Call& call = Add(Op::GradientFill);
  call.rect = {x, y, x + width, y + height};
  call.color = from;
  call.color2 = to;
  call.a = mode;
}

Color RecordingSurface::SelectPen(Color c) {
  const Color previous = pen_;
  pen_ = c;
  return previous;
}

Color RecordingSurface::SelectBrush(Color c) {
  const Color previous = brush_;
  brush_ = c;
  return previous;
}

}  // namespace pelmoro
