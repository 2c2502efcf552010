#pragma once

#include "model/model.h"

#include <string>

namespace voltaro {

// The end of every line written to a file.
constexpr const char* kLineEnd = "\r\n";

// The circuit on the board as a description in its file form, one line per item, each ending
// in CR LF: the options flag, the two handles, the source kind, the source values, the view
// flags, the lane table, one line per branch in use, and the closing " *". `optionsFlag` is
// what the save panel's check box says.
std::string describeCircuit(const Model& model, bool optionsFlag);

// The cell value as the description carries it: the text of the cell value box as the pupil
// left it, or the cell value itself when that text is not a number or too long for a file's line.
std::string cellValueText(const Model& model);

} // namespace voltaro
