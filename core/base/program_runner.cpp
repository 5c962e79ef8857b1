#include "core/base/program_runner.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/base/os_reason.h"

extern char** environ;

namespace rdz {

struct ProgramRunner::Shared {
  std::mutex mutex;
  std::condition_variable ended;
  int running = 0;
  Report failed;  // empty once the runner is gone
};

namespace {

std::string ExitReason(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status) == 0 ? "" : "exit status " + std::to_string(WEXITSTATUS(status));
  if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
  return "ended oddly";
}

}  // namespace

ProgramRunner::ProgramRunner(Report failed) : shared_(std::make_shared<Shared>()) {
  shared_->failed = std::move(failed);
}

ProgramRunner::~ProgramRunner() {
  const std::lock_guard<std::mutex> lock(shared_->mutex);
  shared_->failed = nullptr;
}

bool ProgramRunner::WaitAll(std::chrono::milliseconds limit) {
  std::unique_lock<std::mutex> lock(shared_->mutex);
  return shared_->ended.wait_for(lock, limit, [this] { return shared_->running == 0; });
}

void ProgramRunner::Run(const std::string& program, const std::vector<std::string>& arguments) {
  {
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    ++shared_->running;
  }
  std::thread([shared = shared_, program, arguments] {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    std::string failure;
    if (program.empty()) {
      failure = "no program named";
    } else if (const int err = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ)) {
      failure = "cannot start: " + OsReason(err);
    } else {
      int status = 0;
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      failure = ExitReason(status);
    }
    const std::lock_guard<std::mutex> lock(shared->mutex);
    if (!failure.empty() && shared->failed) shared->failed(program, failure);
    --shared->running;
    shared->ended.notify_all();
  }).detach();
}

}  // namespace rdz
