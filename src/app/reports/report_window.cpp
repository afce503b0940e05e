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

// The report joins the instrument's names (Windows-1252) and the Set's name,
// taken from its path (UTF-8): each is decoded as the rest of the editor
// decodes it.
QString DecodedReport(const std::string& text, const std::string& setName) {
  if (setName.empty()) return FromCp1252(text);
  const QString name = FromMessageText(setName);
  QString out;
  std::size_t from = 0;
  for (std::size_t at = text.find(setName); at != std::string::npos; at = text.find(setName, from)) {
    out += FromCp1252(std::string_view(text).substr(from, at - from)) + name;
    from = at + setName.size();
  }
  return out + FromCp1252(std::string_view(text).substr(from));
}

// The box shows lines; the core ends them in CR LF.
QString ShownText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return shown;
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace

ReportWindow::ReportWindow(Workspace& ws, int d, std::string text, QWidget* parent)
    : QDialog(parent),
      ws_(ws),
      d_(d),
      text_(std::move(text)),
      printer_(MakeReportPrinter()),
      choosePrinter_(RunPrintDialog) {
  setObjectName(QStringLiteral("FReport"));
  setModal(true);
  setWindowTitle(FromMessageText(ReportCaption(DocumentCaption(ws.Slot(d)))));
  setProperty("tag", QString::number(d));

  txtRep = new QPlainTextEdit(this);
  txtRep->setObjectName(QStringLiteral("txtRep"));
  txtRep->setReadOnly(true);
  txtRep->setLineWrapMode(QPlainTextEdit::NoWrap);
  txtRep->setFont(FixedPitchFont());
  txtRep->setPlainText(ShownText(DecodedReport(text_, ws.Slot(d).name)));
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
  if (!printerChosen_ && !choosePrinter_(*printer_, this)) return false;
  printerChosen_ = true;
  bool printed = false;
  {
    BusyPointer busy(ws_.ui);
    printed = PrintPlainText(*printer_, DecodedReport(text_, ws_.Slot(d_).name), txtRep->font());
  }
  if (printed) return true;
  // A printer whose job failed refuses every later change ("Cannot be
  // changed while printer is active"): a new one keeps the choices, and the
  // next attempt lets the user choose again.
  printer_ = FreshPrinterLike(*printer_);
  printerChosen_ = false;
  ws_.ui.ShowMessage({MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok, "Error", "Error printing Report"});
  return false;
}

void ReportWindow::SetUpPrinter() {
  QPrintDialog dialog(printer_.get(), this);
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  // The dialog only chooses the printer and its paper; printing is the other button's.
  if (auto* box = dialog.findChild<QDialogButtonBox*>())
    if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("&OK"));
  if (dialog.exec() == QDialog::Accepted) printerChosen_ = true;
}

void ReportWindow::SaveReport() { SaveReportFile(ws_, d_, text_); }

void ShowSetReport(Workspace& ws, int d, QWidget* parent) {
  const std::string text = BuildSetReport(ws, d, CurrentReportDate());
  ReportWindow window(ws, d, text, parent);
  window.exec();
}

}  // namespace tolvane
