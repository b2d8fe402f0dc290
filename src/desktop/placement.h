// Where a screen's board stands in its window. At the designed size the
// board fills the window exactly; in the whole-screen mode the window is the
// monitor, and the board is scaled by one factor, the largest that fits,
// centred, with plain dark margins round it. Painting goes through the
// painter's transform, so text is laid out afresh at the larger size; input
// comes back through the same transform into the screen's own twips.
#pragma once
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

#include "draw/fit.h"

class QPainter;

namespace shell {
class Program;
class Screen;
}  // namespace shell

namespace desktop {

class Placement {
 public:
  // board: the screen's client size; window: the window's; both in logical pixels.
  static Placement fit(QSizeF board, QSizeF window);

  double factor() const { return factor_; }
  QPointF offset() const { return offset_; }  // the board's top-left corner in the window
  QRectF boardInWindow() const { return toWindow(QRectF(QPointF(), board_)); }

  // A position in the window as twips of the screen, wherever it is
  // (dragging goes on outside the board); and nullopt in the margin.
  QPointF twips(QPointF window) const;
  std::optional<QPointF> twipsOnBoard(QPointF window) const;
  // A rectangle in the board's pixels as the window shows it.
  QRectF toWindow(QRectF boardPixels) const;

  // Paints a board's drawing into a window (or an image) of the given
  // size: margins, then the board under the transform, clipped to itself.
  void paint(QPainter& painter, QSizeF window, const draw::Drawing& drawing) const;

 private:
  double factor_ = 1;
  QPointF offset_;
  QSizeF board_;
};

// The colour of the margins round the scaled board.
inline const QColor kMarginColour(draw::red(draw::kMarginColour), draw::green(draw::kMarginColour),
                                  draw::blue(draw::kMarginColour));

}  // namespace desktop
