#include "shell/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/keyboard_picture.h"
#include "storage/tables.h"

namespace tolvane {

namespace {
QString Title() { return QString::fromLatin1(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size())); }
}  // namespace

QString VersionText() {
  return QStringLiteral("Version %1.%2.%3").arg(TOLVANE_VERSION_MAJOR).arg(TOLVANE_VERSION_MINOR).arg(TOLVANE_VERSION_PATCH);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FAbout"));
  setWindowTitle(QStringLiteral("About ") + Title());
  setModal(true);

  lblTitle = new QLabel(Title(), this);
  QFont big = lblTitle->font();
  big.setPointSizeF(big.pointSizeF() * 1.8);
  big.setBold(true);
  lblTitle->setFont(big);
  lblVersion = new QLabel(VersionText(), this);
  lblDescription = new QLabel(QStringLiteral("This Program helps customizing ") + QStringLiteral("Korg-i3") +
                                  QStringLiteral(" file sets, e.g. clear, copy, paste and move ") +
                                  QStringLiteral("Arrangements, Styles, Programs etc. inside a file set or "
                                                 "between different file sets,") +
                                  QStringLiteral("while preserving calls consistency inside each set - and much more!"),
                              this);
  lblDescription->setWordWrap(true);
  lblDisclaimer = new QLabel(QStringLiteral("This program is not made or supported by Korg. It reads and writes "
                                            "the instrument's disk files only.\n"
                                            "CAUTION: Apply this program to COPIES, never to original files!"),
                             this);
  lblDisclaimer->setWordWrap(true);
  QFont bold = lblDisclaimer->font();
  bold.setBold(true);
  lblDisclaimer->setFont(bold);
  imgKbd = new QLabel(this);
  imgKbd->setObjectName(QStringLiteral("imgKbd"));
  imgKbd->setPixmap(KeyboardPicture(420, 110));
  cmdOK = new QPushButton(tr("&OK"), this);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblTitle);
  layout->addWidget(lblVersion);
  layout->addSpacing(6);
  layout->addWidget(imgKbd, 0, Qt::AlignHCenter);
  layout->addSpacing(6);
  layout->addWidget(lblDescription);
  layout->addSpacing(6);
  layout->addWidget(lblDisclaimer);
  layout->addLayout(buttons);
  setFixedWidth(460);
}

}  // namespace tolvane
