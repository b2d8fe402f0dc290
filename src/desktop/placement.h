// Where a screen's board stands in its window, in Qt's terms: draw::Fit's
// one rule of window to board (the same as the page's), nothing more. At
// the designed size the board fills the window exactly; in the whole-screen
// mode it is scaled into the monitor between dark margins. Painting goes
// through the painter's transform, so text is laid out afresh at the larger
// size; input comes back through the same mapping.
#pragma once
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <optional>

#include "draw/fit.h"

class QPainter;

namespace desktop {

class Placement {
 public:
  // board: the screen's client size; window: the window's; both in logical pixels.
  static Placement fit(QSizeF board, QSizeF window);

  double factor() const { return fit_.factor; }
  // A window position as board pixels, wherever it is (a drag goes on past
  // the board's edge); and nullopt in the margin.
  QPointF toBoard(QPointF window) const;
  std::optional<QPointF> onBoard(QPointF window) const;
  // A rectangle in the board's pixels as the window shows it.
  QRectF toWindow(const draw::Rect& board) const;

  // Paints a board's drawing into a window (or an image) of the given
  // size: margins, then the board under the transform, clipped to itself.
  void paint(QPainter& painter, QSizeF window, const draw::Drawing& drawing) const;

 private:
  draw::Fit fit_;
};

// The colour of the margins round the scaled board.
inline const QColor kMarginColour(draw::red(draw::kMarginColour), draw::green(draw::kMarginColour),
                                  draw::blue(draw::kMarginColour));

}  // namespace desktop
