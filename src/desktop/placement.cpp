#include "placement.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "paint/paint.h"
#include "shell/units.h"

namespace desktop {

namespace {
constexpr double kTwips = shell::kTwipsPerPixel;
}

Placement Placement::fit(QSizeF board, QSizeF window) {
  Placement p;
  p.board_ = board;
  if (board.isEmpty()) return p;
  p.factor_ = std::min(window.width() / board.width(), window.height() / board.height());
  if (p.factor_ <= 0) p.factor_ = 1;
  // A whole pixel for the corner, so that the board's edges fall on the
  // same pixels at every repaint.
  p.offset_ = QPointF(std::floor((window.width() - board.width() * p.factor_) / 2),
                      std::floor((window.height() - board.height() * p.factor_) / 2));
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

void Placement::paint(QPainter& p, QSizeF window, const shell::Program& program,
                      const shell::Screen& screen) const {
  const QRectF board = boardInWindow();
  // The margins; the board paints itself opaquely over them.
  if (board != QRectF(QPointF(), window)) p.fillRect(QRectF(QPointF(), window), kMarginColour);
  p.save();
  p.translate(offset_);
  p.scale(factor_, factor_);
  p.setClipRect(QRectF(QPointF(), board_), Qt::IntersectClip);
  paint::paint(p, program, screen);
  p.restore();
}

}  // namespace desktop
