#include "process_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace tolvane {

namespace {

// Closes the descriptors it holds on every way out.
struct Pipe {
  std::array<int, 2> fd{-1, -1};
  bool Open() { return ::pipe2(fd.data(), O_CLOEXEC) == 0; }
  void Close(int end) {
    if (fd[static_cast<std::size_t>(end)] >= 0) ::close(fd[static_cast<std::size_t>(end)]);
    fd[static_cast<std::size_t>(end)] = -1;
  }
  ~Pipe() {
    Close(0);
    Close(1);
  }
};

// The program's full path from the PATH of its own environment, so that the
// child runs what that PATH names and nothing else.
std::string FindOnPath(const std::string& program, const std::vector<std::string>& environment) {
  if (program.find('/') != std::string::npos) return program;
  std::string path;
  for (const auto& entry : environment)
    if (entry.rfind("PATH=", 0) == 0) path = entry.substr(5);
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find(':', start);
    if (end == std::string::npos) end = path.size();
    const std::string folder = end > start ? path.substr(start, end - start) : ".";
    const std::string candidate = folder + "/" + program;
    if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

// Reads both pipes until they close or the deadline passes.
bool Collect(Pipe& out, Pipe& err, ProcessResult& result, std::chrono::steady_clock::time_point deadline) {
  std::array<char, 4096> buffer{};
  while (out.fd[0] >= 0 || err.fd[0] >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    std::array<pollfd, 2> fds{pollfd{out.fd[0], POLLIN, 0}, pollfd{err.fd[0], POLLIN, 0}};
    const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready == 0) return false;  // the time is up
    if (ready < 0) return true;    // nothing more can be read
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      Pipe& pipe = i == 0 ? out : err;
      const ssize_t got = ::read(fds[i].fd, buffer.data(), buffer.size());
      if (got > 0)
        (i == 0 ? result.out : result.err).append(buffer.data(), static_cast<std::size_t>(got));
      else if (got == 0 || errno != EINTR)
        pipe.Close(0);
    }
  }
  return true;
}

}  // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment, std::chrono::milliseconds limit) {
  ProcessResult result;
  const std::string path = FindOnPath(program, environment);
  if (path.empty()) {
    result.notFound = true;
    return result;
  }
  Pipe out, err;
  if (!out.Open() || !err.Open()) return result;

  std::vector<std::string> argvText{program};
  argvText.insert(argvText.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (auto& a : argvText) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<std::string> envText = environment;
  std::vector<char*> envp;
  for (auto& e : envText) envp.push_back(e.data());
  envp.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out.fd[1], 1);
  posix_spawn_file_actions_adddup2(&actions, err.fd[1], 2);
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  out.Close(1);
  err.Close(1);
  if (spawned != 0) {
    result.notFound = spawned == ENOENT;
    return result;
  }
  result.started = true;

  const auto deadline = std::chrono::steady_clock::now() + limit;
  if (!Collect(out, err, result, deadline)) {
    result.timedOut = true;
    ::kill(pid, SIGKILL);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!result.timedOut && WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  return result;
}

}  // namespace tolvane
