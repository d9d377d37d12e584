#include "bench/startup/clean_env.h"

#include <cstdlib>
#include <filesystem>
#include <map>

namespace umrak::startup {

std::vector<std::string> cleanEnvironment(const std::string& scratch, const std::string& display,
                                          const std::vector<std::string>& extra) {
  namespace fs = std::filesystem;
  const fs::path home = fs::path(scratch) / "home";
  const fs::path runtime = fs::path(scratch) / "runtime";
  fs::create_directories(home);
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all, fs::perm_options::replace);

  std::map<std::string, std::string> env{
      {"DISPLAY", display},
      {"QT_QPA_PLATFORM", "xcb"},
      {"HOME", home.string()},
      {"XDG_RUNTIME_DIR", runtime.string()},
      {"PATH", "/usr/bin:/bin"},
      {"LANG", "C.UTF-8"},
      {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (fs::path(scratch) / "no-bus").string()},
  };
  for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
    if (const char* value = std::getenv(name)) env[name] = value;
  }
  for (const std::string& entry : extra) {
    const auto eq = entry.find('=');
    env[entry.substr(0, eq)] = eq == std::string::npos ? "" : entry.substr(eq + 1);
  }
  std::vector<std::string> out;
  for (const auto& [name, value] : env) out.push_back(name + "=" + value);
  return out;
}

}  // namespace umrak::startup
