#include "desktop.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cstdio>

#include "paint/paint.h"

namespace desktop {

// Before each sleep of a handler the windows are painted; while it sleeps
// F11 is answered and the rest of the input waits.
Desktop::Desktop()
    : platform_([this] { repaintAll(); }, [this] { held_.processWhileHolding(); }), program_(platform_) {}

Desktop::~Desktop() {
  for (auto& [n, w] : windows_) delete w;
}

void Desktop::start() {
  input([](shell::Program& p) { p.start(); });
  started_ = true;
}

void Desktop::reportError(const char* what) { std::fprintf(stderr, "aritmetica: %s\n", what); }

void Desktop::sync() {
  if (quitting_) return;
  if (program_.ended()) {
    quitting_ = true;
    for (auto& [n, w] : windows_) {
      w->hide();
      w->deleteLater();
    }
    windows_.clear();
    QCoreApplication::quit();
    return;
  }
  const auto loaded = program_.loaded();
  QScreen* const monitor = this->monitor();
  // Windows of screens just loaded, back to front so that the active screen
  // ends on top; made before the old ones go, so that nothing flashes in
  // between.
  for (auto s = loaded.rbegin(); s != loaded.rend(); ++s) {
    const int n = (*s)->number();
    if (windows_.count(n)) continue;
    auto* w = new ScreenWindow(*this, n);
    w->place(wholeScreen_, monitor);
    windows_[n] = w;
    w->show();
  }
  // Windows whose screen is gone; deleted later, as one of them may be the
  // window whose event is being handled right now.
  for (auto it = windows_.begin(); it != windows_.end();) {
    const bool stillLoaded = std::any_of(loaded.begin(), loaded.end(),
                                         [&](auto* s) { return s->number() == it->first; });
    if (stillLoaded) {
      ++it;
      continue;
    }
    it->second->hide();
    it->second->deleteLater();
    it = windows_.erase(it);
  }
  const shell::Screen* active = program_.active();
  const int activeNumber = active ? active->number() : 0;
  if (activeNumber != active_ && windows_.count(activeNumber)) {
    ScreenWindow* w = windows_[activeNumber];
    w->raise();
    w->activateWindow();
  }
  active_ = activeNumber;
  for (auto& [n, w] : windows_) {
    w->update();
    w->updatePointer(w->mapFromGlobal(QCursor::pos()));
  }
}

QScreen* Desktop::monitor() const {
  const auto it = windows_.find(active_);
  if (it != windows_.end() && it->second->screen()) return it->second->screen();
  return QGuiApplication::primaryScreen();
}

void Desktop::setWholeScreen(bool on) {
  wholeScreen_ = on;
  QScreen* const monitor = this->monitor();
  for (auto& [n, w] : windows_) w->place(on, monitor);
  if (const auto it = windows_.find(active_); it != windows_.end()) {
    it->second->raise();
    it->second->activateWindow();
  }
  for (auto& [n, w] : windows_) w->updatePointer(w->mapFromGlobal(QCursor::pos()));
}

void Desktop::repaintAll() {
  for (auto& [n, w] : windows_)
    if (w->isVisible()) w->repaint();
}

}  // namespace desktop
