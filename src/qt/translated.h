#pragma once

#include "model/text.h"

#include <QString>
#include <QStringList>

namespace voltaro {

// A text of the workbench as the window shows it: each phrase through the translators installed
// in the application (QCoreApplication::translate, under the phrase's context), then filled in.
// Without a translator for a phrase it reads in English.
QString translated(const Text& text);

// Texts one a line, each translated.
template <typename Lines> QString translatedLines(const Lines& lines) {
    QStringList joined;
    for (const Text& line : lines)
        joined << translated(line);
    return joined.join(QLatin1Char('\n'));
}

} // namespace voltaro
