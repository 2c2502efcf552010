#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace voltaro {

// The bytes of a text file as UTF-8: bytes that are valid UTF-8 are kept (a leading byte order
// mark is dropped), anything else is taken as Windows-1252, as older files were written.
std::string decodeFileText(std::string bytes);

bool isValidUtf8(std::string_view bytes);

// At most the first `bytes` bytes of a UTF-8 text, never cutting a character of several bytes.
std::string cutAtCharacter(std::string_view text, std::size_t bytes);

// Lines that point into the text they were split from, which must outlive them: a file's lines
// cost no memory of their own, however many there are.
using LineViews = std::vector<std::string_view>;

// The lines of a text, split at LF; a CR before the LF is not part of the line. A last line
// without a line end counts; nothing after the last line end does.
LineViews splitLines(std::string_view text);

} // namespace voltaro
