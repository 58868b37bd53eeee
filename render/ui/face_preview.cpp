#include "render/ui/face_preview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

#include "render/memory_dc.h"
#include "ui_support/qt_bridge.h"

namespace pelmoro {

namespace {

constexpr Color kLoadErrorBackground = 0x00FFFFFF;
constexpr int kLoadErrorTextX = 10;
constexpr int kLoadErrorTextY = 10;

QFont BoldGuiFont() {
  QFont font = QApplication::font();
  font.setBold(true);
  return font;
}

}  // namespace

CFacePreview::CFacePreview(CRandom& random, QWidget* parent) : QWidget(parent), m_random(random) {
  setFixedSize(kWidth, kHeight);
  // The paint covers every pixel: no background erase, so a repaint never flickers.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  m_animationTimer.setSingleShot(true);
  connect(&m_animationTimer, &QTimer::timeout, this, &CFacePreview::OnAnimationTimer);
}

CFacePreview::~CFacePreview() = default;

void CFacePreview::SetFace(const CFace& face) {
  m_picture.m_face = face;
  update();
}

void CFacePreview::ChooseFill(const FillSettings& fill) {
  const FillSettings before = Fill();
  SetFill(fill);
  emit fillChosen(before);
}

void CFacePreview::SetFill(const FillSettings& fill) {
  m_picture.m_fill = fill;
  update();
}

void CFacePreview::SetLoadError(bool failed, const QString& reason) {
  m_bLoadError = failed;
  setToolTip(failed ? reason : QString());
  update();
}

void CFacePreview::SetSmoothEdges(bool on) {
  m_bSmoothEdges = on;
  update();
}

void CFacePreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_bSmoothEdges && !m_bLoadError && PaintSmooth(painter)) return;
  CMemoryDC dc(kWidth, kHeight);
  if (!dc.IsValid()) return;  // no memory for the picture: the window keeps what it shows
  Compose(dc, true);
  // Scaled to the screen's device pixels by repeating them, never by blending.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(QRect(0, 0, kWidth, kHeight), WrapSurface(dc));
}

bool CFacePreview::PaintSmooth(QPainter& painter) {
  const qreal ratio = devicePixelRatioF();
  PictureScene scene;
  scene.area = {0, 0, kWidth, kHeight};
  const SelectionLayer* selection = m_selectionModel.ShownLayer();
  scene.paint = [this, selection](Surface& surface) { m_picture.Paint(surface, selection); };
  SmoothPicture smooth;
  const auto width = static_cast<std::int32_t>(std::lround(kWidth * ratio));
  const auto height = static_cast<std::int32_t>(std::lround(kHeight * ratio));
  if (!DrawSmooth(scene, width, height, smooth)) return false;
  painter.drawImage(QRectF(0, 0, kWidth, kHeight), WrapSmooth(smooth));
  return true;
}

void CFacePreview::RenderPicture(CMemoryDC& dc) { Compose(dc, false); }

void CFacePreview::Compose(CMemoryDC& dc, bool withSelection) {
  if (m_bLoadError) {
    ComposeLoadError(dc);
    return;
  }
  m_picture.Paint(dc, withSelection ? m_selectionModel.ShownLayer() : nullptr);
}

void CFacePreview::ComposeLoadError(CMemoryDC& dc) const {
  dc.FillSolidRect(0, 0, dc.Width(), dc.Height(), kLoadErrorBackground);
  QImage image = WrapSurface(dc);
  QPainter painter(&image);
  painter.setFont(BoldGuiFont());
  painter.setPen(Qt::black);
  const QRect area(kLoadErrorTextX, kLoadErrorTextY, dc.Width() - kLoadErrorTextX, dc.Height() - kLoadErrorTextY);
  painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, QString::fromLatin1(kLoadErrorText));
}

}  // namespace pelmoro
