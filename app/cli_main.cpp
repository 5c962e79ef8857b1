#include <iostream>

#include "app/cli.h"
#include "platform/program_directory.h"
#include "platform/sntp/udp_sntp_client.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const rdz::ProgramDirectory programDir = rdz::PrepareProgramDirectory();
  if (!programDir.problem.empty()) std::cerr << "rodedizevad-cli: warning: " << programDir.problem << "\n";
  rdz::UdpSntpClient sntp;
  return rdz::RunCli(args, programDir.dir, std::cout, std::cerr, &sntp);
}
