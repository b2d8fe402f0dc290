// The browser edition's program: the session, measured by the canvas, and
// the entry points the page calls (see page.cpp). The page only translates
// its DOM events into session input and plays the session's steps; what a
// picture, a key or a press means is decided by the session.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "canvas.h"
#include "draw/face_measure.h"
#include "session/session.h"

namespace web {

// The machine of the page: the program's generator, or the queue of a test
// build (defined by machine.cpp or by hook.cpp, whichever the build links).
session::Machine& machine();

struct Page {
  draw::FaceMeasure measure;  // the faces' own tables, as in every edition
  std::unique_ptr<session::Session> session;
  bool voice = true;
  double windowWidth = 792, windowHeight = 573;  // CSS pixels the board is fitted into
  std::vector<session::Sound> sounds;             // due at the last advance
  unsigned long shown = 0;                       // the frame's picture last encoded
  std::vector<double> picture;                   // the shown picture, encoded for the canvas
  std::string text;                              // the last text handed to the page

  void start(double now);
  // A position of the window as twips of the screen shown.
  session::PointerInput at(double x, double y) const;
};

Page& page();

}  // namespace web
