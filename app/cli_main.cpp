#include <iostream>

#include "app/cli.h"
#include "platform/executable_directory.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return rdz::RunCli(args, rdz::ExecutableDirectory(), std::cout, std::cerr);
}
