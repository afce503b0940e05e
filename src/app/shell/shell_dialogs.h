#pragma once
// The shell's own dialogs, behind one seam so that start-up can be followed
// step by step without a display.

#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>

class QWidget;

namespace tolvane {

struct Preferences;
class HelpWindow;

class ShellDialogs {
 public:
  virtual ~ShellDialogs() = default;
  virtual void ShowAbout() = 0;
  // The tip of the day, its box set from the preference and copied back.
  virtual void ShowTipOfTheDay(std::int16_t& showTips) = 0;
  // The three check boxes, set from the preferences and copied back.
  virtual void ShowOptions(Preferences& prefs) = 0;
  virtual void ShowHelp() = 0;
};

class QtShellDialogs : public ShellDialogs {
 public:
  QtShellDialogs(QString programFolder, std::function<QWidget*()> parentWindow);
  ~QtShellDialogs() override;

  void ShowAbout() override;
  void ShowTipOfTheDay(std::int16_t& showTips) override;
  void ShowOptions(Preferences& prefs) override;
  void ShowHelp() override;

 private:
  QWidget* Parent() const;

  QString programFolder_;
  std::function<QWidget*()> parentWindow_;
  QPointer<HelpWindow> help_;
};

}  // namespace tolvane
