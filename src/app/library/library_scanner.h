#pragma once
// Runs the Library's scan on a thread of its own and hands the result and
// the progress to the user-interface thread.

#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "library/library.h"

class QThread;

namespace tolvane {

class DiskImages;
class Workspace;

class LibraryScanner : public QObject {
  Q_OBJECT

 public:
  explicit LibraryScanner(QObject* parent = nullptr);
  // Stops a scan under way and waits for its thread.
  ~LibraryScanner() override;

  // Starts a scan of `places`, taking over the unchanged Sets of `previous`.
  // Nothing happens while a scan runs.
  void Start(const Workspace& ws, const std::vector<std::string>& places, std::shared_ptr<const Library> previous);
  void Cancel() { cancel_ = true; }
  bool Running() const { return running_; }

 signals:
  // Before each Set is read, on the user-interface thread.
  void progress(int done, int total, const QString& setPath);
  void finished(std::shared_ptr<const tolvane::Library> library);

 private:
  // Disk images are read through mtools of the scan's own, never the editor's.
  std::unique_ptr<DiskImages> images_;
  std::atomic<bool> cancel_{false};
  bool running_ = false;
  QPointer<QThread> thread_;
};

}  // namespace tolvane
