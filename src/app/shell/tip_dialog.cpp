#include "shell/tip_dialog.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/cp1252.h"

namespace tolvane {

TipDialog::TipDialog(QWidget* parent)
    : QDialog(parent), random_(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch())) {
  setObjectName(QStringLiteral("FTip"));
  setWindowTitle(tr("Tip of the Day"));
  if (parent) setWindowIcon(parent->windowIcon());
  setModal(true);

  picBkg = new QFrame(this);
  picBkg->setObjectName(QStringLiteral("picBkg"));
  picBkg->setFrameShape(QFrame::StyledPanel);
  picBkg->setAutoFillBackground(true);
  QPalette paper = picBkg->palette();
  paper.setColor(QPalette::Window, QColor(255, 255, 225));
  paper.setColor(QPalette::WindowText, Qt::black);
  picBkg->setPalette(paper);
  lblDYuNo = new QLabel(tr("Did you know..."), picBkg);
  QFont heading = lblDYuNo->font();
  heading.setBold(true);
  heading.setPointSizeF(heading.pointSizeF() * 1.3);
  lblDYuNo->setFont(heading);
  lblTipText = new QLabel(picBkg);
  lblTipText->setWordWrap(true);
  lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblTipText->setMinimumSize(340, 110);
  auto* paperLayout = new QVBoxLayout(picBkg);
  paperLayout->addWidget(lblDYuNo);
  paperLayout->addWidget(lblTipText, 1);

  chkTips = new QCheckBox(tr("&Show Tips at Start-up"), this);
  chkTips->setToolTip(tr("Uncheck to disable"));
  cmdNextTip = new QPushButton(tr("&Next Tip"), this);
  cmdClose = new QPushButton(tr("&Close"), this);
  cmdClose->setDefault(true);
  connect(cmdNextTip, &QPushButton::clicked, this, &TipDialog::NextTip);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::hide);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdClose);
  buttons->addWidget(cmdNextTip);
  buttons->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(picBkg, 1);
  top->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(chkTips);
}

bool TipDialog::LoadTips(const QString& fileName) {
  if (fileName.isEmpty()) return false;
  QFile file(fileName);
  if (!file.exists() || !file.open(QIODevice::ReadOnly)) return false;
  tips_.clear();
  const QByteArray text = file.readAll();
  file.close();
  // Lines end in CR LF or LF; a last line without an end counts, an end
  // without a following line does not add an empty tip.
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = text.indexOf('\n', start);
    if (end < 0) end = text.size();
    QByteArray line = text.mid(start, end - start);
    if (line.endsWith('\r')) line.chop(1);
    tips_ << FromCp1252(std::string_view(line.constData(), static_cast<std::size_t>(line.size())));
    start = end + 1;
  }
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  index_ = static_cast<int>(unit(random_) * static_cast<double>(tips_.size())) + 1;
  DisplayCurrentTip();
  return true;
}

void TipDialog::DisplayCurrentTip() {
  if (tips_.isEmpty()) return;
  if (index_ < 1 || index_ > tips_.size()) index_ = 1;
  lblTipText->setText(tips_.at(index_ - 1));
}

void TipDialog::NextTip() {
  ++index_;
  if (index_ > tips_.size()) index_ = 1;
  DisplayCurrentTip();
}

void PrepareTips(TipDialog& dialog, const QString& programFolder) {
  if (!dialog.LoadTips(programFolder + QLatin1Char('/') + QLatin1String(kTipsFile)))
    dialog.lblTipText->setText(QStringLiteral("Can't find ") + QLatin1String(kTipsFile));
}

}  // namespace tolvane
