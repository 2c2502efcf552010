#include "qt/qt_picture.h"

#include <algorithm>

namespace voltaro {

QImage toQImage(const Picture& picture) {
    if (picture.isEmpty())
        return {};
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const Rgb c = picture.at(x, y);
            line[x] = qRgb(c.r, c.g, c.b);
        }
    }
    return image;
}

Picture pictureOf(const QImage& image, const QRect& rect) {
    Picture picture;
    picture.width = std::max(rect.width(), 0);
    picture.height = std::max(rect.height(), 0);
    picture.pixels.assign(std::size_t(picture.width) * std::size_t(picture.height), Colour::White);
    const QImage rgb = image.format() == QImage::Format_RGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    const QRect inside = rect.intersected(rgb.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb c = line[x];
            picture.pixels[std::size_t((y - rect.top()) * picture.width + (x - rect.left()))] =
                Rgb{std::uint8_t(qRed(c)), std::uint8_t(qGreen(c)), std::uint8_t(qBlue(c))};
        }
    }
    return picture;
}

} // namespace voltaro
