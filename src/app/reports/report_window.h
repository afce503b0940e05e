#pragma once
// FReport: the Set report of one Set in a fixed-pitch text box, with
// printing, the printer set-up and saving the text as a file.

#include <QDialog>
#include <QPrinter>

#include <functional>
#include <memory>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace tolvane {

class Workspace;

class ReportWindow : public QDialog {
  Q_OBJECT

 public:
  // The report text of Set d as the core built it (CR LF line ends).
  ReportWindow(Workspace& ws, int d, std::string text, QWidget* parent = nullptr);

  // Asks which printer (or file) prints and how; false when cancelled.
  using PrinterChooser = std::function<bool(QPrinter&, QWidget*)>;

  const std::string& Text() const { return text_; }
  QPrinter& Printer() { return *printer_; }
  // The system's print dialog unless told otherwise.
  void SetPrinterChooser(PrinterChooser chooser) { choosePrinter_ = std::move(chooser); }

  // "&Print Report": until a printer has been chosen (here or in the set-up)
  // the print dialog asks first. True when the text went to the printer;
  // false when the dialog was cancelled or the error message has been shown,
  // after which the next attempt asks again.
  bool PrintReport();
  // "Printer Set&up...".
  void SetUpPrinter();
  // "Create Report &File...".
  void SaveReport();

  QPlainTextEdit* txtRep;
  QPushButton* cmdPrint;
  QPushButton* cmdSetPrnt;
  QPushButton* cmdSave;
  QPushButton* cmdClose;

 private:
  Workspace& ws_;
  int d_;
  std::string text_;
  std::unique_ptr<QPrinter> printer_;
  bool printerChosen_ = false;
  PrinterChooser choosePrinter_;
};

// "Display Set &Report": builds the report of Set d under the progress
// window, then shows it in the modal report window.
void ShowSetReport(Workspace& ws, int d, QWidget* parent);

}  // namespace tolvane
