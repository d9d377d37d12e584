#include "bench/startup/marks.h"

#include <filesystem>
#include <fstream>

namespace umrak::startup {

std::vector<Mark> readMarks(const std::string& path, std::chrono::steady_clock::time_point start) {
  const double origin = std::chrono::duration<double, std::milli>(start.time_since_epoch()).count();
  std::vector<Mark> marks;
  std::ifstream in(path);
  std::string step;
  long long entered = 0, returned = 0, inside = 0;
  long calls = 0;
  while (in >> step >> entered >> returned >> calls >> inside) {
    marks.push_back({step, static_cast<double>(entered) / 1e6 - origin,
                     static_cast<double>(returned) / 1e6 - origin, calls,
                     static_cast<double>(inside) / 1e6});
  }
  return marks;
}

std::string marksLibrary() {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() /
          "libumrak_startup_marks.so")
      .string();
}

}  // namespace umrak::startup
