#pragma once

#include "answer_key.h"

#include <QString>

namespace voltaro::sheet {

// The answer key as CSV: a header row, then one row per element with the circuit number and the
// element fields of the JSON. A circuit that could not be read has no rows.
QString answerKeyCsv(const AnswerKey& key);

// The answer key as aligned text: per circuit a line with the supply, the total resistance and
// the total current (or the error), then its elements as a table with a header line.
QString answerKeyText(const AnswerKey& key);

} // namespace voltaro::sheet
