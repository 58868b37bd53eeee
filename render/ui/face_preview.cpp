#include "render/ui/face_preview.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

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

void CFacePreview::SetFill(const FillSettings& fill) {
  m_picture.m_fill = fill;
  update();
}

void CFacePreview::SetLoadError(bool failed, const QString& reason) {
  m_bLoadError = failed;
  setToolTip(failed ? reason : QString());
  update();
}

void CFacePreview::paintEvent(QPaintEvent*) {
  CMemoryDC dc(kWidth, kHeight);
  if (!dc.IsValid()) return;  // no memory for the picture: the window keeps what it shows
  Compose(dc, true);
  QPainter painter(this);
  painter.drawImage(0, 0, WrapSurface(dc));
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
