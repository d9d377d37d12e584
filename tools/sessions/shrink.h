#pragma once

#include <functional>

#include "scenario/script.h"

namespace umrak::sessions {

// True while a candidate session still fails the same way.
using StillFails = std::function<bool(const scenario::Script&)>;

// Delta debugging: first over the actions, dropping every one that the
// failure does not need, then over the characters of each remaining text.
// The result fails as the session did and loses its failure when any one
// action or any one character more is taken away (within a budget of tries
// per text, which a megabyte needs).
scenario::Script shrink(scenario::Script session, const StillFails& stillFails);

}  // namespace umrak::sessions
