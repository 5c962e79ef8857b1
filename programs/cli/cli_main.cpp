#include <iostream>

#include "programs/cli/cli.h"
#include "core/base/program_directory.h"
#include "platform/sntp/udp_sntp_client.h"
#ifdef RDZ_CLI_PICTURES
#include "programs/cli/cli_pictures.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const rdz::ProgramDirectory programDir = rdz::PrepareProgramDirectory();
  if (!programDir.problem.empty()) std::cerr << "rodedizevad-cli: warning: " << programDir.problem << "\n";
  rdz::UdpSntpClient sntp;
  rdz::CliServices services{&sntp};
#ifdef RDZ_CLI_PICTURES
  services.pictures = &rdz::RunPictureCommand;
#endif
  return rdz::RunCli(args, programDir.dir, std::cout, std::cerr, services);
}
