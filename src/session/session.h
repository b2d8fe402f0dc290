// The session: everything between a child's input and what it produces, the
// same for the desktop, the page and the scenario runner. It owns the
// program and composes its small parts (see parts.h): the gestures turn
// pointer input into the screens' mouse input, the input queue holds input
// that comes while earlier steps still play, the recorder is the machine of
// the screens' handlers, the voice says what is shown and tapped, the
// year's hold opens the teacher's screen from the title, and the timeline
// plays the steps by the clock. It answers with frames: at each
// call of advance, the latest picture that is due and the sounds that start
// with it.
//
// It does not know how anything is drawn, played or said, nor any toolkit;
// the clock is whatever the edition passes as `now` (milliseconds).
#pragma once
#include <memory>
#include <optional>

#include "draw/drawing.h"
#include "frame.h"
#include "gestures.h"
#include "keys.h"
#include "machine.h"
#include "record/book.h"

namespace session {

class Session {
 public:
  // Text is measured by `measure` (the faces' own tables in every edition).
  Session(Machine& machine, const draw::Measure& measure);
  ~Session();

  // --- input ---------------------------------------------------------
  // Each input is handled at once when nothing is playing, otherwise held
  // and handled in order when the steps before it have played (advance).
  // Start shows the title screen; once the program has ended, it starts a
  // new one.
  void start(double now);
  void pointer(const PointerInput& input, double now);
  // Returns what the edition does itself: the whole-screen key, or nothing.
  std::optional<KeyName> key(const Key& key, int shift, double now);
  void close(int screen, double now);

  // --- playback --------------------------------------------------------
  // Brings the session to `now`: hands on held input whose turn has come,
  // acts on a long press, and returns the frame due, with the sounds that
  // start now; nullptr when nothing is due since the last call.
  const Frame* advance(double now);
  // The frame last due: what the editions show, and what a resize repaints.
  const Frame& frame() const;
  // When advance should be called next; infinity when nothing waits.
  double wakeAt() const;

  // --- the voice -------------------------------------------------------
  bool voice() const;
  void setVoice(bool on, double now);

  // --- the class record ----------------------------------------------------
  // Off unless the edition opens it with what its store holds; `epochMs` is
  // the local time (milliseconds since 1970 in the device's zone) at now 0.
  void openClass(record::Book book, double epochMs);
  bool classOn() const;
  // The page turns the record on and off from the teacher's screen; the
  // desktop cannot (it keeps the record when started with --classe).
  void classTurnable(bool turnable);
  // The record as the program holds it (a renamed child's rows, for the store).
  const record::Book& classBook() const;
  // What the store could not do, said on the teacher's screen.
  void classTrouble(std::string message);
  // The text of the file the teacher chose to import (after an Import change).
  void imported(const std::string& text, double now);
  // What the edition keeps, exports or asks for since the last call, in order.
  std::vector<record::Change> takeChanges();

 private:
  friend class Probe;  // the tests' way in (tools/testing/probe.h)
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace session
