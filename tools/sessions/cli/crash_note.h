#pragma once

namespace umrak::sessions {

// When the process dies of a signal or a sanitizer report, says which
// session it was playing and how to play that one again.
void noteCrashes(const char* rerun);

}  // namespace umrak::sessions
