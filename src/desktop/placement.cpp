#include "placement.h"

#include <QPainter>

#include "paint/paint.h"
#include "shell/units.h"

namespace desktop {

namespace {
constexpr double kTwips = shell::kTwipsPerPixel;
}

Placement Placement::fit(QSizeF board, QSizeF window) {
  const draw::Fit f = draw::fit(board.width(), board.height(), window.width(), window.height());
  Placement p;
  p.board_ = board;
  p.factor_ = f.factor;
  p.offset_ = QPointF(f.x, f.y);
  return p;
}

QPointF Placement::twips(QPointF window) const { return (window - offset_) / factor_ * kTwips; }

std::optional<QPointF> Placement::twipsOnBoard(QPointF window) const {
  const QPointF board = (window - offset_) / factor_;
  if (board.x() < 0 || board.y() < 0 || board.x() >= board_.width() || board.y() >= board_.height())
    return std::nullopt;
  return board * kTwips;
}

QRectF Placement::toWindow(QRectF r) const {
  return QRectF(offset_ + r.topLeft() * factor_, r.size() * factor_);
}

void Placement::paint(QPainter& p, QSizeF window, const draw::Drawing& drawing) const {
  const QRectF board = boardInWindow();
  // The margins; the board paints itself opaquely over them.
  if (board != QRectF(QPointF(), window)) p.fillRect(QRectF(QPointF(), window), kMarginColour);
  p.save();
  p.translate(offset_);
  p.scale(factor_, factor_);
  p.setClipRect(QRectF(QPointF(), board_), Qt::IntersectClip);
  paint::replay(p, drawing);
  p.restore();
}

}  // namespace desktop
