#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "demo_window.h"
#include "dialogs/select_item_dialog.h"
#include "shell/options_dialog.h"
#include "shell/tip_dialog.h"
#include "ui/cp1252.h"
#include "ui/qt_user_interface.h"

namespace tolvane::test {
namespace {

QString WriteFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
  const QString path = dir.path() + "/" + name;
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes);
  return path;
}

TEST(TipOfTheDay, EveryLineIsATipAndNextWrapsAround) {
  QTemporaryDir dir;
  TipDialog tips;
  ASSERT_TRUE(tips.LoadTips(WriteFile(dir, "I3TIPS.TXT", "One\n\nThree \x96 dash")));
  EXPECT_EQ(tips.Tips(), QStringList({"One", "", QString::fromUtf8("Three \u2013 dash")}));
  const int first = tips.CurrentIndex();
  EXPECT_GE(first, 1);
  EXPECT_LE(first, 3);
  for (int i = 0; i < 3; ++i) tips.NextTip();
  EXPECT_EQ(tips.CurrentIndex(), first);

  TipDialog single;
  ASSERT_TRUE(single.LoadTips(WriteFile(dir, "ONE.TXT", "Only tip\r\n")));
  single.cmdNextTip->click();
  EXPECT_EQ(single.CurrentIndex(), 1);
  EXPECT_EQ(single.lblTipText->text(), "Only tip");

  TipDialog missing;
  EXPECT_FALSE(missing.LoadTips(""));
  PrepareTips(missing, dir.path() + "/nowhere");
  missing.cmdNextTip->click();
  EXPECT_EQ(missing.lblTipText->text(), "Can't find I3TIPS.TXT");
}

TEST(Options, TheCloseBoxKeepsTheChangedBoxes) {
  Preferences prefs;  // HighCall and WarnDupl on, StartOld off
  OptionsDialog options;
  options.LoadFrom(prefs);
  options.show();
  options.chkHighCall->setChecked(false);
  options.chkStartOld->setChecked(true);
  EXPECT_FALSE(options.close());  // hidden, not unloaded
  EXPECT_FALSE(options.isVisible());
  options.StoreInto(prefs);
  EXPECT_EQ(prefs.highCall, 0);
  EXPECT_EQ(prefs.startOld, 1);
  EXPECT_EQ(prefs.warnDupl, 1);
}

TEST(MessageBoxes, BuiltAsTheCoreAsks) {
  MessageRequest r{MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, "",
                   "KORG (\x96) Arrangement is referenced by\r\none or more Backing Sequences."};
  auto box = MakeMessageBox(r, nullptr);
  EXPECT_EQ(box->icon(), QMessageBox::Warning);
  EXPECT_EQ(box->text(), QString::fromUtf8("KORG (\u2013) Arrangement is referenced by\none or more Backing Sequences."));
  EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Cancel));
  EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));


  // The answer comes from the button pressed.
  QtUserInterface ui;
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box) box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::YesNo, MsgResult::Yes, "Warning", "Go on?"}),
            MsgResult::No);
}

TEST(FileDialogs, SetUpFromTheRequest) {
  FileDialogRequest r;
  r.save = true;
  r.title = "Select a Korg-i3 destination file (without extension)";
  r.filters = {{"All", "*.*"}, {"Arrangement", "*.ARR"}, {"Program", "*.PCG"}};
  r.defaultExtension = "xxx";
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  ConfigureFileDialog(dialog, r);
  EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(dialog.nameFilters(), QStringList({"All (*.*)", "Arrangement (*.ARR)", "Program (*.PCG)"}));
  EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
}

TEST(Windows1252, RoundTripAndUnmappableCharacters) {
  std::string all;
  for (int b = 32; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
  EXPECT_EQ(FromCp1252("KORG (\x96)"), QString::fromUtf8("KORG (\u2013)"));
  EXPECT_EQ(ToCp1252(QString::fromUtf8("KORG (\u2013) \u20AC \u4E2D")), "KORG (\x96) \x80 ?");
  // Set names from paths are UTF-8; item names are not.
  EXPECT_EQ(FromMessageText("Name \xC3\x84SET"), QString::fromUtf8("Name \u00C4SET"));
  EXPECT_EQ(FromMessageText("Name \xC4SET"), QString::fromUtf8("Name \u00C4SET"));
  EXPECT_EQ(FromMessageText("\xE9\x80"), QString::fromUtf8("\u00E9\u20AC"));
}

using SelectDialogs = DemoWindowTest;

TEST_F(SelectDialogs, StartOnTheGivenItemOrTheFirstAndReturnTheChoice) {
  SelectItemDialog bad(h.Ws(), 1, SelectKind::Style, 200, "Select a Style", nullptr);
  EXPECT_EQ(bad.BankList()->currentIndex(), 0);
  EXPECT_EQ(bad.ItemList()->count(), 48);
  EXPECT_EQ(bad.ItemList()->currentItem()->text(), "P11 Style P11 ");

  SelectItemDialog user(h.Ws(), 1, SelectKind::Style, 54, "Select a Style", nullptr);
  EXPECT_EQ(user.BankList()->currentIndex(), 1);
  EXPECT_EQ(user.ItemList()->count(), 32);
  EXPECT_EQ(user.ItemList()->currentItem()->text(), "U23 Ballad    ");
  EXPECT_EQ(user.ItemList()->item(3)->text(), "U14           ");
  user.accept();
  EXPECT_EQ(user.Chosen(), 54);

  SelectItemDialog program(h.Ws(), 1, SelectKind::Program, 600, "Select a Program for track 'KBD 1  '", nullptr);
  EXPECT_EQ(program.BankList()->count(), 5);
  program.BankList()->setCurrentIndex(4);
  EXPECT_EQ(program.ItemList()->count(), 8);
  EXPECT_EQ(program.ItemList()->item(6)->data(Qt::UserRole).toInt(), 518);
  program.reject();
  EXPECT_EQ(program.Chosen(), -1);

  // Wide enough for a caption naming a track beside a title bar's buttons.
  SelectItemDialog track(h.Ws(), 1, SelectKind::Program, 0, "Select a Program for track 'Trk  2'", nullptr);
  EXPECT_GT(track.minimumWidth(), QFontMetrics(track.font()).horizontalAdvance(track.windowTitle()) + 100);

  SelectItemDialog arrangements(h.Ws(), 1, SelectKind::Arrangement, -1, "Select an Arrangement", nullptr);
  EXPECT_EQ(arrangements.ItemList()->count(), 64);
  EXPECT_EQ(arrangements.ItemList()->item(0)->text(), "A11 Pop Ballad");
}

}  // namespace
}  // namespace tolvane::test
