// The sound's thread and what plays on it: the chime, an embedded WAV played
// by QSoundEffect and never queued, and the phrases, MP3 clips played by a
// QMediaPlayer made at the first phrase. Every Qt Multimedia object is made,
// used and deleted on that thread, which alone ever waits for the sound
// server; the program's thread only gives orders to the mailbox and, when
// nothing was owed yet, wakes the worker with a queued call.
#include <QAudioOutput>
#include <QDeadlineTimer>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include "mailbox.h"
#include "sound_module.h"

namespace {

// How long the program's end waits for the sound's thread to finish.
constexpr int kCloseWaitMs = 500;

class Worker : public QObject {
 public:
  Worker(QString voiceDir, sound::Mailbox& mailbox) : voiceDir_(std::move(voiceDir)), mailbox_(mailbox) {}

  void openChime();
  // Plays what the mailbox owes.
  void carryOut();
  // Lets the sound go and ends the thread's event loop.
  void finish();

 private:
  void chime();
  void say(const std::string& clip);

  const QString voiceDir_;
  sound::Mailbox& mailbox_;
  QSoundEffect* chime_ = nullptr;
  bool chimePrimed_ = false;
  QMediaPlayer* voice_ = nullptr;
};

void Worker::openChime() {
  chime_ = new QSoundEffect(this);
  chime_->setSource(QUrl("qrc:/sounds/beep.wav"));
  chime_->setVolume(0.8f);
  // The first play of a fresh sound is not heard (it only opens the audio
  // stream): play it once muted as soon as it is loaded, so that the first
  // wrong answer already chimes.
  QObject::connect(chime_, &QSoundEffect::statusChanged, this, [this] {
    if (chime_->status() != QSoundEffect::Ready || chimePrimed_) return;
    chimePrimed_ = true;
    chime_->setMuted(true);
    chime_->play();
  });
}

void Worker::carryOut() {
  const sound::Orders orders = mailbox_.take(sound::Clock::now());
  if (orders.chime) chime();
  if (orders.stopPhrase && voice_) voice_->stop();
  if (!orders.phrase.empty()) say(orders.phrase);
}

// A child hammering keys hears at most one chime at a time.
void Worker::chime() {
  if (!chime_) return;
  if (chime_->isPlaying()) chime_->stop();
  chime_->setMuted(false);
  chime_->play();
}

void Worker::say(const std::string& clip) {
  const QString name = QString::fromStdString(clip);
  if (name.contains('/')) return;  // a clip is a file of the voice folder
  if (!voice_) {
    voice_ = new QMediaPlayer(this);
    voice_->setAudioOutput(new QAudioOutput(voice_));
  }
  voice_->setSource(QUrl::fromLocalFile(voiceDir_ + '/' + name));
  voice_->play();
}

void Worker::finish() {
  delete voice_;
  voice_ = nullptr;
  delete chime_;
  chime_ = nullptr;
  thread()->quit();
}

// The one sound of the program, made by open.
struct Sound {
  QThread thread;
  sound::Mailbox mailbox;
  Worker* worker = nullptr;
};
Sound* theSound = nullptr;
bool closed = false;

void wake() {
  Worker* worker = theSound->worker;
  QMetaObject::invokeMethod(worker, [worker] { worker->carryOut(); }, Qt::QueuedConnection);
}

}  // namespace

extern "C" Q_DECL_EXPORT void aritmeticaSoundOpen(const char* voiceDir) {
  if (theSound) return;  // open, or left behind stuck by close
  closed = false;
  theSound = new Sound;
  theSound->thread.setObjectName("aritmetica-sound");
  theSound->worker = new Worker(QString::fromUtf8(voiceDir ? voiceDir : ""), theSound->mailbox);
  theSound->worker->moveToThread(&theSound->thread);
  theSound->thread.start();
  Worker* worker = theSound->worker;
  QMetaObject::invokeMethod(worker, [worker] { worker->openChime(); }, Qt::QueuedConnection);
}

extern "C" Q_DECL_EXPORT void aritmeticaSoundChime() {
  if (theSound && !closed && theSound->mailbox.chime(sound::Clock::now())) wake();
}

extern "C" Q_DECL_EXPORT void aritmeticaSoundSay(const char* clipFileName) {
  if (theSound && !closed && clipFileName && theSound->mailbox.say(clipFileName, sound::Clock::now())) wake();
}

extern "C" Q_DECL_EXPORT void aritmeticaSoundHush() {
  if (theSound && !closed && theSound->mailbox.hush()) wake();
}

// A thread still waiting for the server after the short wait is never
// destroyed (that would mean waiting for it): the process ends around it.
extern "C" Q_DECL_EXPORT int aritmeticaSoundClose() {
  closed = true;
  if (!theSound) return 1;
  Worker* worker = theSound->worker;
  QMetaObject::invokeMethod(worker, [worker] { worker->finish(); }, Qt::QueuedConnection);
  if (!theSound->thread.wait(QDeadlineTimer(kCloseWaitMs))) return 0;
  delete theSound->worker;
  delete theSound;
  theSound = nullptr;
  return 1;
}
