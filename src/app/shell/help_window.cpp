#include "shell/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "storage/tables.h"

namespace tolvane {

namespace {

// The widest picture the pages show (their width attributes say the same);
// wider screenshots are scaled down smoothly here, since the page would draw
// them scaled pixel by pixel.
constexpr int kPictureWidth = 560;

class HelpBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    QVariant resource = QTextBrowser::loadResource(type, name);
    if (type != QTextDocument::ImageResource || resource.typeId() != QMetaType::QByteArray) return resource;
    const QImage picture = QImage::fromData(resource.toByteArray());
    if (picture.isNull() || picture.width() <= kPictureWidth) return resource;
    return picture.scaledToWidth(kPictureWidth, Qt::SmoothTransformation);
  }
};

// A button that leaves the keyboard to the page, with its key in the tool tip.
QToolButton* NavigationButton(const QString& caption, const char* name, const QKeySequence& keys, QWidget* window) {
  auto* button = new QToolButton(window);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(caption);
  button->setToolTip(keys.toString(QKeySequence::NativeText));
  button->setFocusPolicy(Qt::NoFocus);
  button->setEnabled(false);
  auto* shortcut = new QShortcut(keys, window);
  QObject::connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
  return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QString::fromLatin1(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size())) +
                 QStringLiteral(" Help"));
  browser_ = new HelpBrowser(this);
  browser_->setOpenExternalLinks(true);
  cmdContents = NavigationButton(QStringLiteral("Contents"), "cmdContents", QKeySequence(Qt::ALT | Qt::Key_Up), this);
  cmdBack = NavigationButton(QStringLiteral("Back"), "cmdBack", QKeySequence(Qt::ALT | Qt::Key_Left), this);
  cmdForward = NavigationButton(QStringLiteral("Forward"), "cmdForward", QKeySequence(Qt::ALT | Qt::Key_Right), this);
  connect(cmdContents, &QToolButton::clicked, this, &HelpWindow::GoToContents);
  connect(cmdBack, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(cmdForward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, cmdBack, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, cmdForward, &QToolButton::setEnabled);

  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(4, 4, 4, 0);
  for (QToolButton* b : {cmdContents, cmdBack, cmdForward}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
  setFocusProxy(browser_);
  resize(640, 560);
}

void HelpWindow::ShowContents(const QString& programFolder) {
  const QString path = programFolder + QLatin1Char('/') + QLatin1String(kHelpFile);
  if (QFileInfo::exists(path)) {
    contents_ = QUrl::fromLocalFile(path);
    GoToContents();
  } else {
    contents_.clear();
    browser_->clearHistory();
    browser_->setPlainText(QStringLiteral("The help file ") + path + QStringLiteral(" was not found."));
  }
  cmdContents->setEnabled(!contents_.isEmpty());
  show();
  raise();
  activateWindow();
}

void HelpWindow::GoToContents() {
  // Back returns to the page that was shown before.
  if (!contents_.isEmpty()) browser_->setSource(contents_);
}

}  // namespace tolvane
