#pragma once

#include "model/text.h"
#include "model/text_lines.h"

#include <string>
#include <string_view>
#include <vector>

namespace voltaro {

// The line between a file's explanation text and its circuits.
constexpr const char* kCircuitDataMarker = "START CIRCUIT DATA";

// The explanation part of a .cir file, read up to the marker line. A file is proper when the
// marker is followed by at least one circuit, a run of lines closed by a line ending in "*".
struct FileExplanation {
    bool proper = false;
    LineViews lines;           // the lines before the marker, pointing into the file's text
    std::size_t dataStart = 0; // index of the first line after the marker
};

FileExplanation readExplanation(const LineViews& lines);

// How much of an explanation the save panel shows: far more than a teacher writes, and little
// enough that a file with a huge one keeps the window quick and small. The file is not changed.
constexpr std::size_t kLongestShownExplanation = 1 << 20; // bytes in all
constexpr std::size_t kLongestShownLine = 10000;          // bytes of one line

// The explanation as the panel shows it: whole lines up to kLongestShownExplanation, each cut
// after kLongestShownLine with "…", then, when lines were left out, a line that counts them.
std::vector<Text> shownExplanation(const LineViews& lines);

// Whether a line closes a circuit: its last character is "*".
bool closesCircuit(std::string_view line);

// The whole text of a new file: the explanation lines (one that is the marker line gets a blank
// after it, so that it stays text), the marker line, then the description in its file form
// (which ends with its own line end).
std::string newFileText(const std::vector<std::string>& explanation,
                        const std::string& description);

// The parts of a file's path: "/class/set.cir" gives "/class" and "set.cir".
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

// What "Add to file" appends: an empty line, then the description.
std::string addedCircuitText(const std::string& description);

} // namespace voltaro
