#include "qt/translated.h"

#include <QCoreApplication>

namespace voltaro {

QString translated(const Text& text) {
    return QString::fromStdString(text.render([](const Phrase& phrase) {
        return QCoreApplication::translate(phrase.context, phrase.english).toStdString();
    }));
}

} // namespace voltaro
