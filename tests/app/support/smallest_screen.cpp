#include "smallest_screen.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace tolvane::test {

void UseSmallestScreen() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != "offscreen") return;
  static QTemporaryDir dir;
  const QString config = dir.path() + "/screen.json";
  QFile file(config);
  if (file.open(QIODevice::WriteOnly))
    file.write(R"({"screens": [{"name": "S", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96}]})");
  file.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
}

}  // namespace tolvane::test
