#include "qt/laid_out_texts.h"

namespace voltaro {

QStaticText preparedText(const std::string& text, const QTransform& transform, const QFont& font) {
    QStaticText laid(QString::fromStdString(text));
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(transform, font);
    return laid;
}

} // namespace voltaro
