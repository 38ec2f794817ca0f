// A quick reader for the plain JSON that the library writes itself. A state file of several
// controllers with hundreds of drives is read on every INIT, and nlohmann's parser spends most of
// that run; this reader takes the common form at a fraction of the cost and leaves everything
// else to nlohmann's parser, so what a file means and how a fault in it is worded stay as they are.
#pragma once
#include <string_view>

#include "ModelBasics.h"

namespace sim {

// Reads `text` into `out` when it keeps to the plain form: ASCII texts with the short escapes
// (\" \\ \/ \b \f \n \r \t), whole numbers from 0 to 10^19 - 1, true, false, null, no key twice
// in one object, nesting at most 128 deep. The value is then the one nlohmann's parser gives.
// Returns false for anything else, well-formed or not (`out` is then unspecified); the caller
// hands such text to nlohmann's parser.
bool QuickParseJson(std::string_view text, Json& out);

// Frees a document, leaving `value` null. nlohmann's destructor moves the values of every list
// and object onto a stack of its own before freeing them; this frees them where they are, from
// the innermost out (below 128 levels the destructor takes over).
void ReleaseJson(Json& value);

}  // namespace sim
