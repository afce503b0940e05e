#include "shell/help_window.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "storage/tables.h"

namespace tolvane {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QString::fromLatin1(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size())) +
                 QStringLiteral(" Help"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(640, 560);
}

void HelpWindow::ShowContents(const QString& programFolder) {
  const QString path = programFolder + QLatin1Char('/') + QLatin1String(kHelpFile);
  if (QFileInfo::exists(path)) {
    browser_->setSource(QUrl::fromLocalFile(path));
  } else {
    browser_->setPlainText(QStringLiteral("The help file ") + path + QStringLiteral(" was not found."));
  }
  show();
  raise();
  activateWindow();
}

}  // namespace tolvane
