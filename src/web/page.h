// The browser edition's program: the session, measured by the canvas, and
// the page's three entry points (page.cpp): one input event at a time, and
// one frame at a time; and the class record's, by which the page hands in
// what its store holds and takes out the changes to keep. The page only
// translates its DOM events into input records, plays the frames and keeps
// the changes; what a picture, a key or a press means is decided by the
// session, what the record holds by record::Class, and where the board goes
// in the window by draw::fit.
#pragma once
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "boundary.h"
#include "draw/face_measure.h"
#include "draw/fit.h"
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
  // The pointer's last position (CSS pixels), where the cursor, the tooltip
  // and the tablet's keyboard are looked up; a tooltip only for a mouse
  // that rests there (a press or a key puts it away till the mouse moves).
  struct {
    std::optional<draw::Fit::Point> at;
    bool tip = false;
  } pointer;
  bool wholeScreen = false;                // asked for since the last frame
  std::optional<unsigned long> shown;      // the frame's picture last handed on
  std::array<double, kInputSize> inbox{};  // the page writes each input record here
  std::vector<double> frame;               // the buffer last written
  // The class record's way through the boundary: what the page hands in
  // (the stored book, an imported file), and the changes last handed out.
  std::vector<double> mailbox, changes;
  bool storeTroubleSaid = false;

  session::Session& ensure();  // the session, made at the first need

  void input(const Input& in);
  const std::vector<double>& advance(double now);
  draw::Fit fit() const;
  // The record from the store's book in the mailbox, or, when the browser
  // keeps nothing, from what the program holds, said on the teacher's screen.
  void openClass(double epochMs, bool stored);
  void storeRefused();
  const std::vector<double>& takeChanges();
  void imported(double now);
};

Page& page();

}  // namespace web
