#include "tests/gui/test_classes.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace umrak::gui_test {

int runTestClasses(int argc, char** argv, std::span<const TestClass> classes) {
  if (argc > 1 && argv[1][0] != '-') {
    const auto chosen = std::ranges::find(classes, std::string_view(argv[1]), &TestClass::name);
    if (chosen == classes.end()) {
      std::fprintf(stderr, "no test class %s\n", argv[1]);
      return 2;
    }
    std::vector<char*> rest{argv[0]};
    rest.insert(rest.end(), argv + 2, argv + argc);
    return chosen->run(static_cast<int>(rest.size()), rest.data()) == 0 ? 0 : 1;
  }
  int failures = 0;
  for (const TestClass& c : classes) failures += c.run(argc, argv);
  return failures == 0 ? 0 : 1;
}

}  // namespace umrak::gui_test
