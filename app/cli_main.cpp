#include <iostream>

#include "app/cli.h"
#include "platform/executable_directory.h"
#ifdef RDZ_CLI_PICTURES
#include "app/cli_pictures.h"
#endif

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
#ifdef RDZ_CLI_PICTURES
  if (!args.empty() && (args[0] == "map" || args[0] == "sky"))
    return rdz::RunPictureCommand(args, rdz::ExecutableDirectory(), std::cout, std::cerr);
#endif
  return rdz::RunCli(args, rdz::ExecutableDirectory(), std::cout, std::cerr);
}
