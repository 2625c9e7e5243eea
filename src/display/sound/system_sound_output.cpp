#include "system_sound_output.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPointer>
#include <QSemaphore>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>

#include "display/sound/sound_backend.h"

namespace kes {

namespace {

// A wait never holds the window longer than this, whatever the file says.
constexpr int kLongestWait = 2000;
// Time allowed for the module to load before the first sound plays.
constexpr int kLoadAllowance = 1000;

// The multimedia libraries talk about missing devices and servers; a
// machine without sound must stay quiet, so messages from the sound thread
// are dropped and every other message goes where it went before.
std::atomic<QThread*> mutedThread{nullptr};
QtMessageHandler previousHandler = nullptr;

void soundThreadFilter(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (QThread::currentThread() == mutedThread.load()) return;
  if (previousHandler) previousHandler(type, context, text);
}

}  // namespace

// Runs on the sound thread: loads the module on the first request and hands
// every request to its backend.
class SoundWorker : public QObject {
 public:
  explicit SoundWorker(QStringList folders) : folders_(std::move(folders)) {}

  bool play(const QString& file, bool looped) {
    SoundBackend* device = backend();
    return device && device->play(file, looped);
  }
  void stop() {
    if (backend_) backend_->stop();
  }

 private:
  SoundBackend* backend() {
    if (!loaded_) load();
    return backend_.get();
  }
  void load() {
    loaded_ = true;
    for (const QString& folder : folders_) {
      QLibrary module(QDir(folder).filePath(QString::fromLatin1(kSoundModuleName)));
      // Never unloaded: the multimedia libraries keep threads of their own.
      module.setLoadHints(QLibrary::PreventUnloadHint);
      if (!module.load()) continue;
      if (auto make = reinterpret_cast<MakeSoundBackend>(module.resolve(kMakeSoundBackendSymbol)))
        backend_.reset(make());
      return;
    }
  }

  QStringList folders_;
  bool loaded_ = false;
  std::unique_ptr<SoundBackend> backend_;
};

SystemSoundOutput::SystemSoundOutput(QStringList moduleFolders) : moduleFolders_(std::move(moduleFolders)) {}

SystemSoundOutput::~SystemSoundOutput() {
  if (!thread_) return;
  // The backend's objects belong to the sound thread and end there.
  QMetaObject::invokeMethod(worker_, [worker = worker_] { delete worker; }, Qt::BlockingQueuedConnection);
  thread_->quit();
  thread_->wait();
  if (mutedThread.load() == thread_.get()) mutedThread.store(nullptr);
}

QStringList SystemSoundOutput::defaultModuleFolders() {
  const QDir bin(QCoreApplication::applicationDirPath());
  return {bin.path(), bin.filePath(QStringLiteral(KESTROVA_MODULE_DIR_FROM_BIN))};
}

SoundWorker& SystemSoundOutput::worker() {
  if (!thread_) {
    thread_ = std::make_unique<QThread>();
    thread_->setObjectName(QStringLiteral("sound"));
    worker_ = new SoundWorker(moduleFolders_);
    worker_->moveToThread(thread_.get());
    if (!previousHandler) previousHandler = qInstallMessageHandler(soundThreadFilter);
    mutedThread.store(thread_.get());
    thread_->start();
  }
  return *worker_;
}

void SystemSoundOutput::play(const QString& file) {
  SoundWorker* w = &worker();
  QMetaObject::invokeMethod(w, [w, file] { w->play(file, false); }, Qt::QueuedConnection);
}

void SystemSoundOutput::loop(const QString& file) {
  SoundWorker* w = &worker();
  QMetaObject::invokeMethod(w, [w, file] { w->play(file, true); }, Qt::QueuedConnection);
}

void SystemSoundOutput::stop() {
  if (!thread_) return;
  QMetaObject::invokeMethod(worker_, [w = worker_] { w->stop(); }, Qt::QueuedConnection);
}

void SystemSoundOutput::playAndWait(const QString& file, int milliseconds) {
  const int length = std::clamp(milliseconds, 0, kLongestWait);
  auto done = std::make_shared<QSemaphore>();
  SoundWorker* w = &worker();
  QMetaObject::invokeMethod(
      w,
      [w, file, length, done] {
        if (!w->play(file, false)) return done->release();
        QTimer::singleShot(length, w, [done] { done->release(); });
      },
      Qt::QueuedConnection);
  done->tryAcquire(1, length + kLoadAllowance);
}

}  // namespace kes
