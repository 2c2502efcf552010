#pragma once

#include "answer_key.h"

#include <QByteArray>

namespace voltaro::sheet {

// The answer key as JSON: the source, the explanation lines and every circuit asked for, each
// with its totals and elements, or with the error its description gave. Numbers are written in
// their shortest form that reads back to the same double; a value that is not a finite number
// is null.
QByteArray answerKeyJson(const AnswerKey& key);

} // namespace voltaro::sheet
