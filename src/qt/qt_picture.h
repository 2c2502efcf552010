#pragma once

#include "view/picture.h"

#include <QImage>
#include <QRect>

namespace voltaro {

// Pictures between the core's plain pixels and Qt's images, pixel for pixel.

// A 32-bit RGB image of the picture; a null image for an empty picture.
QImage toQImage(const Picture& picture);
// The pixels of `rect` of the image; pixels outside the image read as white.
Picture pictureOf(const QImage& image, const QRect& rect);

} // namespace voltaro
