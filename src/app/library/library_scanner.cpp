#include "library/library_scanner.h"

#include <QThread>

#include "mtools_images.h"
#include "sets/workspace.h"

namespace tolvane {

LibraryScanner::LibraryScanner(QObject* parent) : QObject(parent), images_(std::make_unique<MtoolsImages>()) {}

LibraryScanner::~LibraryScanner() {
  cancel_ = true;
  if (thread_) thread_->wait();
}

void LibraryScanner::Start(const Workspace& ws, const std::vector<std::string>& places,
                           std::shared_ptr<const Library> previous) {
  if (running_) return;
  running_ = true;
  cancel_ = false;
  auto result = std::make_shared<Library>();
  LibraryReading reading = LibraryReadingOf(ws, images_.get());
  QThread* thread = QThread::create([this, reading = std::move(reading), places, previous, result] {
    ScanFeedback feedback;
    feedback.cancel = &cancel_;
    feedback.progress = [this](std::size_t done, std::size_t total, const std::string& setPath) {
      const QString path = QString::fromStdString(setPath);
      // Queued to this object: dropped if it is gone.
      QMetaObject::invokeMethod(
          this, [this, done, total, path] { emit progress(static_cast<int>(done), static_cast<int>(total), path); },
          Qt::QueuedConnection);
    };
    *result = ScanLibrary(reading, places, feedback, previous.get());
  });
  thread->setParent(this);  // waited for and deleted with the scanner at the latest
  thread_ = thread;
  // QThread::finished comes from the scan's thread; this object lives on the user's.
  connect(thread, &QThread::finished, this, [this, thread, result] {
    running_ = false;
    thread->deleteLater();
    emit finished(result);
  });
  thread->start();
}

}  // namespace tolvane
