#pragma once
// The ports for a front end without windows: messages go to standard error,
// questions are answered with their safe choice, and no file is ever chosen.

#include <string>

#include "ports.h"

namespace tolvane {

class ConsoleUi : public QuietPorts {
 public:
  // Number of error messages shown so far.
  int errors = 0;
  // Put before every message, so that it names the Set or file concerned.
  std::string prefix;

  MsgResult ShowMessage(const MessageRequest& request) override;
};

}  // namespace tolvane
