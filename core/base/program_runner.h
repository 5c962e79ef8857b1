#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rdz {

// Runs the user's programs without a shell and waits for each on a thread of
// its own, so the caller never waits. What went wrong ("exit status 3",
// "killed by signal 9", "cannot start: no such file or directory") is handed
// to `failed` on that thread; nothing is said of a program that succeeds.
// After the runner is gone no report is made; the programs run on.
class ProgramRunner {
 public:
  using Report = std::function<void(const std::string& program, const std::string& failure)>;
  explicit ProgramRunner(Report failed);
  ~ProgramRunner();
  ProgramRunner(const ProgramRunner&) = delete;
  ProgramRunner& operator=(const ProgramRunner&) = delete;

  void Run(const std::string& program, const std::vector<std::string>& arguments);
  // Waits up to `limit` for the programs started to end; true when they have.
  bool WaitAll(std::chrono::milliseconds limit);

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
};

}  // namespace rdz
