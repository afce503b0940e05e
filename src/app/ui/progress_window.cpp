#include "ui/progress_window.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tolvane {

namespace {
// The bar counts in thousandths, so that fractional ranges (0.001 to 15.001) keep their steps.
constexpr double kScale = 1000.0;
}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FProgBar"));
  setModal(false);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  prbProgBar_ = new QProgressBar(this);
  prbProgBar_->setObjectName(QStringLiteral("prbProgBar"));
  prbProgBar_->setTextVisible(false);
  prbProgBar_->setMinimumWidth(320);
  lblNote_ = new QLabel(this);
  lblNote_->setWordWrap(true);
  lblNote_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prbProgBar_);
  layout->addWidget(lblNote_);
}

void ProgressWindow::Start(const QString& caption, double minimum, double maximum, const QString& note) {
  setWindowTitle(caption);
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  value_ = minimum_;
  prbProgBar_->setRange(static_cast<int>(std::lround(minimum_ * kScale)), static_cast<int>(std::lround(maximum_ * kScale)));
  lblNote_->setText(note);
  lblNote_->setVisible(!note.isEmpty());
  ShowValue();
  adjustSize();
  show();
  raise();
  Q_EMIT started(caption);
}

void ProgressWindow::Advance(double amount) {
  value_ = std::clamp(value_ + amount, minimum_, maximum_);
  ShowValue();
  // Painted at once: the fill it follows does not return to the event loop.
  if (isVisible()) prbProgBar_->repaint();
}

void ProgressWindow::Finish() { hide(); }

void ProgressWindow::ShowValue() { prbProgBar_->setValue(static_cast<int>(std::lround(value_ * kScale))); }

}  // namespace tolvane
