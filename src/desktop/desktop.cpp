#include "desktop.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace desktop {

namespace {

// A frame of the display: the pace at which pictures due are shown.
constexpr double kFrameMs = 1000.0 / 60;

}  // namespace

void Machine::reseed() { random_.mix(QTime::currentTime().msecsSinceStartOfDay() / 1000.0); }

void Machine::log(std::string_view message) {
  std::fprintf(stderr, "aritmetica: %.*s\n", int(message.size()), message.data());
}

Desktop::Desktop(session::Machine* machine) : session_(machine ? *machine : machine_, measure_) {
  clock_.start();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] { play(); });
}

Desktop::~Desktop() {
  for (auto& [n, w] : windows_) delete w;
}

void Desktop::keepClass(const std::string& folder) {
  store_ = std::make_unique<ClassStore>();
  record::Book book = store_->open(folder);
  // The local wall time at the session's time 0, on the session's own clock.
  const QDateTime wall = QDateTime::currentDateTime();
  session_.openClass(std::move(book), double(wall.toMSecsSinceEpoch()) + wall.offsetFromUtc() * 1000.0 - now());
  keep();
}

void Desktop::keep() {
  if (!store_) return;
  for (record::Change& c : session_.takeChanges()) {
    switch (c.kind) {
      // The dialogs wait for the teacher: after this input has been played.
      case record::Change::Kind::Export:
        QTimer::singleShot(0, [this, name = c.name, text = c.text] { saveExport(name, text); });
        break;
      case record::Change::Kind::Import:
        QTimer::singleShot(0, [this] { chooseImport(); });
        break;
      case record::Change::Kind::TurnOn:
      case record::Change::Kind::TurnOff:
        break;  // the page's setting: here --classe says it
      default:
        store_->apply(c);
    }
  }
  for (std::string& trouble : store_->troubles()) session_.classTrouble(std::move(trouble));
}

void Desktop::saveExport(const std::string& name, const std::string& text) {
  const QString path = QFileDialog::getSaveFileName(nullptr, QStringLiteral("Esporta il registro"),
                                                    QDir::home().filePath(QString::fromStdString(name)),
                                                    QStringLiteral("CSV (*.csv)"));
  if (path.isEmpty()) return;
  QFile file(path);
  const qint64 size = qint64(text.size());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.data(), size) != size || !file.flush())
    session_.classTrouble("Il registro non si può esportare in " + path.toStdString());
}

void Desktop::chooseImport() {
  const QString path = QFileDialog::getOpenFileName(nullptr, QStringLiteral("Importa nel registro"), QDir::homePath(),
                                                    QStringLiteral("CSV o elenco (*.csv *.txt);;Tutti i file (*)"));
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    session_.classTrouble("Il file " + path.toStdString() + " non si può leggere");
    return;
  }
  session_.imported(file.readAll().toStdString(), now());
  play();
}

void Desktop::start() {
  session_.start(now());
  play();
  started_ = true;
}

void Desktop::pointer(const session::PointerInput& input) {
  if (started_) sound_.open();
  session_.pointer(input, now());
  play();
}

void Desktop::key(const session::Key& key, int shift) {
  if (started_) sound_.open();
  if (session_.key(key, shift, now()) == session::KeyName::WholeScreen) toggleWholeScreen();
  play();
}

void Desktop::close(int screen) {
  session_.close(screen, now());
  play();
}

void Desktop::play() {
  if (quitting_) return;
  const double t = now();
  const session::Frame* frame = session_.advance(t);
  keep();
  if (frame) {
    for (const session::Sound& sound : frame->sounds) {
      if (std::holds_alternative<session::Chime>(sound))
        sound_.chime();
      else if (const auto* say = std::get_if<session::Say>(&sound))
        sound_.say(say->key);
      else
        sound_.hush();
    }
    if (frame->picture != painted_) {
      painted_ = frame->picture;
      sync(*frame);
      if (quitting_) return;
      for (auto& [n, w] : windows_) w->update();
    }
  }
  const double wake = session_.wakeAt();
  if (std::isinf(wake)) {
    timer_.stop();
    return;
  }
  // Pictures due closer together than a frame are shown at the frame's pace.
  timer_.start(int(std::ceil(std::max(wake - t, kFrameMs))));
}

// The windows in line with the frame: made for screens just loaded, closed
// for screens gone, the active one in front, the pointer of what is under it.
void Desktop::sync(const session::Frame& frame) {
  if (frame.ended) {
    quitting_ = true;
    timer_.stop();
    for (auto& [n, w] : windows_) {
      w->hide();
      w->deleteLater();
    }
    windows_.clear();
    QCoreApplication::quit();
    return;
  }
  QScreen* const monitor = this->monitor();
  // Windows of screens just loaded, back to front so that the active screen
  // ends on top; made before the old ones go, so that nothing flashes in
  // between.
  for (auto s = frame.windows.rbegin(); s != frame.windows.rend(); ++s) {
    if (auto it = windows_.find(s->screen); it != windows_.end()) {
      it->second->setWindowTitle(QString::fromStdString(s->caption));
      continue;
    }
    auto* w = new ScreenWindow(*this, *s);
    w->place(wholeScreen_, monitor);
    windows_[s->screen] = w;
    w->show();
  }
  // Windows whose screen is gone; deleted later, as one of them may be the
  // window whose event is being handled right now.
  for (auto it = windows_.begin(); it != windows_.end();) {
    if (frame.window(it->first)) {
      ++it;
      continue;
    }
    it->second->hide();
    it->second->deleteLater();
    it = windows_.erase(it);
  }
  const int activeNumber = frame.active() ? frame.active()->screen : 0;
  if (activeNumber != active_ && windows_.count(activeNumber)) {
    ScreenWindow* w = windows_[activeNumber];
    w->raise();
    w->activateWindow();
  }
  active_ = activeNumber;
  for (auto& [n, w] : windows_) w->updatePointer(w->mapFromGlobal(QCursor::pos()));
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

}  // namespace desktop
