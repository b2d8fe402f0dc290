#include "placement.h"

#include <QPainter>

#include "paint/paint.h"

namespace desktop {

Placement Placement::fit(QSizeF board, QSizeF window) {
  Placement p;
  p.fit_ = draw::fit(board.width(), board.height(), window.width(), window.height());
  return p;
}

QPointF Placement::toBoard(QPointF window) const {
  const draw::Fit::Point p = fit_.toBoard(window.x(), window.y());
  return {p.x, p.y};
}

std::optional<QPointF> Placement::onBoard(QPointF window) const {
  if (!fit_.onBoard(window.x(), window.y())) return std::nullopt;
  return toBoard(window);
}

QRectF Placement::toWindow(const draw::Rect& board) const {
  const draw::Rect r = fit_.toWindow(board);
  return QRectF(r.x, r.y, r.w, r.h);
}

void Placement::paint(QPainter& p, QSizeF window, const draw::Drawing& drawing) const {
  const QRectF board = toWindow({0, 0, fit_.boardWidth, fit_.boardHeight});
  // The margins; the board paints itself opaquely over them.
  if (board != QRectF(QPointF(), window)) p.fillRect(QRectF(QPointF(), window), kMarginColour);
  p.save();
  p.translate(board.topLeft());
  p.scale(fit_.factor, fit_.factor);
  p.setClipRect(QRectF(0, 0, fit_.boardWidth, fit_.boardHeight), Qt::IntersectClip);
  paint::replay(p, drawing);
  p.restore();
}

}  // namespace desktop
