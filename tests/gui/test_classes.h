#pragma once

#include <functional>
#include <span>
#include <string_view>

namespace umrak::gui_test {

struct TestClass {
  std::string_view name;
  std::function<int(int argc, char** argv)> run;
};

// Runs the class named by the first argument, with the arguments after it
// for QTest (one ctest entry a class); without a class name, every class.
// Returns the program's exit status.
int runTestClasses(int argc, char** argv, std::span<const TestClass> classes);

}  // namespace umrak::gui_test
