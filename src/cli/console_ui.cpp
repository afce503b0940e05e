#include "console_ui.h"

#include <iostream>

namespace tolvane {

MsgResult ConsoleUi::ShowMessage(const MessageRequest& request) {
  if (request.icon == MsgIcon::Critical) ++errors;
  std::string text = request.text;
  // One line per line of the box, without the CR of its line ends.
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  while (!out.empty() && out.back() == '\n') out.pop_back();
  std::cerr << prefix << out << '\n';
  switch (request.buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::OkCancel: return MsgResult::Cancel;
    case MsgButtons::YesNo: return MsgResult::No;
    case MsgButtons::YesNoCancel: return MsgResult::Cancel;
  }
  return MsgResult::Cancel;
}

}  // namespace tolvane
