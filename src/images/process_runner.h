#pragma once
// Runs a program with an argument list (never through a shell), with its own
// environment and a time limit, and collects what it prints.

#include <chrono>
#include <string>
#include <vector>

namespace tolvane {

struct ProcessResult {
  bool started = false;   // false: the program could not be started
  bool notFound = false;  // it is not on the search path
  bool timedOut = false;  // killed at the time limit
  int exitStatus = -1;    // when it ended by itself
  std::string out;
  std::string err;
  bool Succeeded() const { return started && !timedOut && exitStatus == 0; }
};

// `program` is looked up on the PATH of `environment` ("NAME=value" entries);
// standard input is empty.
ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment, std::chrono::milliseconds limit);

}  // namespace tolvane
