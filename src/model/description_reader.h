#pragma once

#include "model/circuit_list.h"
#include "model/description.h"

#include <string_view>

namespace voltaro {

// Reads the description held in the chunks of one circuit. Chunk 1 holds at least the header
// and the lane table; before each side's element data, a buffer shorter than 100 characters
// gets a space and the next chunk appended. Reading stops at the first token that is not a
// number, or a count outside 0..3; tokens after side 4's data are not read.
DescriptionReading readDescription(const CircuitChunks& chunks);

// A description held in one piece, as chunk 1.
DescriptionReading readDescription(std::string_view description);

// The message for a count outside 0..3, naming the token.
Text invalidCountMessage(std::string_view text);

} // namespace voltaro
