// Writes a picture drawn by a QPainter into a file whose suffix chooses the
// format: .png (a bitmap at twice the size, for sharp printing), .svg or
// .pdf (vector). Sizes are in device-independent pixels.
#pragma once

#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace velmora {

/// The formats offered, as a file dialog's filter.
QString pictureFileFilter();

/// Why the picture could not be written, or an empty text when it was.
QString exportPicture(const QString& path, QSize size, const std::function<void(QPainter&)>& paint);

}  // namespace velmora
