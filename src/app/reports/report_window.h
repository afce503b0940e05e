#pragma once
// FReport: the Set report of one Set in a fixed-pitch text box, with
// printing, the printer set-up and saving the text as a file.

#include <QDialog>
#include <QPrinter>

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

  const std::string& Text() const { return text_; }
  QPrinter& Printer() { return printer_; }

  // "&Print Report": true when the text went to the printer; otherwise the
  // error message has been shown.
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
  QPrinter printer_{QPrinter::HighResolution};
};

// "Display Set &Report": builds the report of Set d under the progress
// window, then shows it in the modal report window.
void ShowSetReport(Workspace& ws, int d, QWidget* parent);

}  // namespace tolvane
