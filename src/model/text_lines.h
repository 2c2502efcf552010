#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voltaro {

// The bytes of a text file as UTF-8: bytes that are valid UTF-8 are kept (a leading byte order
// mark is dropped), anything else is taken as Windows-1252, as older files were written.
std::string decodeFileText(std::string bytes);

bool isValidUtf8(std::string_view bytes);

// The lines of a text, split at LF; a CR before the LF is not part of the line. A last line
// without a line end counts; nothing after the last line end does.
std::vector<std::string> splitLines(std::string_view text);

} // namespace voltaro
