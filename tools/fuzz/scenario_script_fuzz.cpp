#include <cstdint>

#include "form/form_description.h"
#include "fuzz/fuzz_check.h"
#include "scenario/headless_driver.h"
#include "scenario/parser.h"
#include "scenario/runner.h"

// Any bytes as a scenario file: the parser must reject or accept them without
// harm, and whatever it accepts is played on a fresh form, so every procedure
// meets whatever a user could type, click or inject.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const umrak::scenario::ParsedScript parsed = umrak::scenario::parseScript(
      umrak::fuzz::bytesOf(data, size), umrak::form1::form1Description());
  if (!parsed.errors.empty()) return 0;
  umrak::scenario::HeadlessDriver driver;
  umrak::scenario::runScript(parsed.script, driver);
  return 0;
}
