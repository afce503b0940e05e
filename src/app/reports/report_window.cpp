#include "reports/report_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/report_date.h"
#include "reports/report_files.h"
#include "reports/report_printing.h"
#include "reports/set_report.h"
#include "sets/workspace.h"
#include "ui/cp1252.h"
#include "ui/look.h"

namespace tolvane {

namespace {

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

// The box shows lines; the core ends them in CR LF.
QString ShownText(const std::string& text) {
  QString shown = FromMessageText(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

}  // namespace

ReportWindow::ReportWindow(Workspace& ws, int d, std::string text, QWidget* parent)
    : QDialog(parent), ws_(ws), d_(d), text_(std::move(text)) {
  setObjectName(QStringLiteral("FReport"));
  setModal(true);
  setWindowTitle(FromMessageText(ReportCaption(DocumentCaption(ws.Slot(d)))));
  setProperty("tag", QString::number(d));

  txtRep = new QPlainTextEdit(this);
  txtRep->setObjectName(QStringLiteral("txtRep"));
  txtRep->setReadOnly(true);
  txtRep->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtRep->setFont(FixedPitchFont());
  txtRep->setPlainText(ShownText(text_));
  // Wide enough for the 100 columns of the report and a few more.
  const QFontMetrics metrics(txtRep->font());
  txtRep->setMinimumSize(metrics.horizontalAdvance(QString(104, QLatin1Char('M'))), metrics.lineSpacing() * 30);

  cmdPrint = Button(QStringLiteral("&Print Report"), "cmdPrint", this);
  cmdSetPrnt = Button(QStringLiteral("Printer Set&up..."), "cmdSetPrnt", this);
  cmdSave = Button(QStringLiteral("Create Report &File..."), "cmdSave", this);
  cmdClose = Button(QStringLiteral("&Close"), "cmdClose", this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {cmdPrint, cmdSetPrnt, cmdSave}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txtRep, 1);
  layout->addLayout(buttons);

  connect(cmdPrint, &QPushButton::clicked, this, [this] { PrintReport(); });
  connect(cmdSetPrnt, &QPushButton::clicked, this, &ReportWindow::SetUpPrinter);
  connect(cmdSave, &QPushButton::clicked, this, &ReportWindow::SaveReport);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

bool ReportWindow::PrintReport() {
  BusyPointer busy(ws_.ui);
  if (PrintPlainText(printer_, FromMessageText(text_), txtRep->font())) return true;
  ws_.ui.ShowMessage({MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok, "Error", "Error printing Report"});
  return false;
}

void ReportWindow::SetUpPrinter() {
  QPrintDialog dialog(&printer_, this);
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  // The dialog only chooses the printer and its paper; printing is the other button's.
  if (auto* box = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("&OK"));
  dialog.exec();
}

void ReportWindow::SaveReport() { SaveReportFile(ws_, d_, text_); }

void ShowSetReport(Workspace& ws, int d, QWidget* parent) {
  const std::string text = BuildSetReport(ws, d, CurrentReportDate());
  ReportWindow window(ws, d, text, parent);
  window.exec();
}

}  // namespace tolvane
