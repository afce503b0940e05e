#include "shell/application.h"

#include <QDir>
#include <QScreen>

#include "mtools_images.h"
#include "shell/main_window.h"
#include "shell/preferences_store.h"
#include "shell/shell_dialogs.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "ui/cp1252.h"
#include "ui/qt_user_interface.h"

namespace tolvane {

namespace {

UserInterface& UiOf(const ShellEnvironment& env, std::unique_ptr<QtUserInterface>& own) {
  if (env.ui) return *env.ui;
  own = std::make_unique<QtUserInterface>();
  return *own;
}

ShellDialogs& DialogsOf(const ShellEnvironment& env, std::unique_ptr<QtShellDialogs>& own,
                        std::function<QWidget*()> parent) {
  if (env.dialogs) return *env.dialogs;
  own = std::make_unique<QtShellDialogs>(env.programFolder, std::move(parent));
  return *own;
}

SettingsStore& SettingsOf(const ShellEnvironment& env, std::unique_ptr<SettingsStore>& own) {
  if (env.settings) return *env.settings;
  own = std::make_unique<QSettingsStore>(env.applicationName);
  return *own;
}

}  // namespace

bool ScreenCheck(UserInterface& ui, QSize screen) {
  if (screen.width() >= 800 && screen.height() >= 600) return true;
  const MsgResult answer = ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::YesNo, MsgResult::Yes, "Warning",
                                           "For a correct display, the screen resolution should be at "
                                           "least 800x600 pixels!\r\n"
                                           "Continue anyway?\r\n"});
  return answer == MsgResult::Yes;
}

Application::Application(const ShellEnvironment& env)
    : env_(env),
      ui_(UiOf(env, ownUi_)),
      dialogs_(DialogsOf(env, ownDialogs_, [this] { return static_cast<QWidget*>(main_.get()); })),
      settings_(SettingsOf(env, ownSettings_)),
      ws_(ui_, documents_) {
  images_ = std::make_unique<MtoolsImages>();
  ws_.diskImages = images_.get();
  main_ = std::make_unique<MainWindow>(ws_, documents_, dialogs_, settings_);
  documents_.Attach(&ws_, &ui_, main_.get(), main_->Area());
  if (ownUi_) ownUi_->Attach(&ws_, [this] { return static_cast<QWidget*>(main_.get()); });
}

Application::~Application() {
  // Document windows go before the Workspace they show.
  main_.reset();
}

bool Application::Start() {
  if (!ScreenCheck(ui_, env_.screenSize)) return false;
  QDir::setCurrent(env_.programFolder);
  const std::string folder = ToPath(env_.programFolder);
  ws_.prefs = ReadPreferences(settings_, folder);

  dialogs_.ShowAbout();
  if (ws_.prefs.showTips == 1) dialogs_.ShowTipOfTheDay(ws_.prefs.showTips);

  {
    BusyPointer busy(ui_);
    if (!BuildTables(ws_, folder)) return false;
    if (!LoadPresetNames(ws_)) return false;
  }

  if (ws_.SlotCount() == 0) ws_.AddSlot();

  const QString title = QString::fromLatin1(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
  main_->setWindowTitle(title);
  main_->mnuHAbout->setText(QStringLiteral("About ") + title + QStringLiteral("..."));
  // Without a window manager "maximised" means nothing: the window takes the
  // screen's work area first, so that it is as large either way.
  if (const QScreen* screen = main_->screen()) main_->setGeometry(screen->availableGeometry());
  main_->showMaximized();

  OpenSet(ws_, OpenMode::Open, ws_.prefs.startOld == 1 ? ws_.prefs.oldSetNam : std::string());
  return true;
}

}  // namespace tolvane
