#pragma once

#include <string>

#include "scenario/script.h"

namespace umrak::scenario {

// One command as a scenario file writes it, without the line end; the
// parser reads it back as the same step.
std::string writeStep(const Step& step);

// One command a line, in order; line numbers are not written.
std::string writeScript(const Script& script);

}  // namespace umrak::scenario
