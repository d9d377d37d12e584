#pragma once

#include <string>

#include "sessions/random.h"

namespace umrak::sessions {

// A text a user might put into a date box: numbers with blanks before, after
// and inside, signs, decimal points, commas and exponents, in ASCII or either
// block of Arabic-Indic digits; the program's marker values and month numbers
// in odd spellings; letters; the empty text; numbers beyond the range of a
// double; and, once in a long while, a megabyte.
std::u16string dateText(Random& random);

}  // namespace umrak::sessions
