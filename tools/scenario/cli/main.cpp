#include <iostream>
#include <string>
#include <vector>

#include "scenario/command_line.h"
#include "scenario/window_factory.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return umrak::scenario::runCommandLine(args, umrak::scenario::windowDriverFactory(), std::cout,
                                         std::cerr);
}
