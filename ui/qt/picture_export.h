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

/// `path` with the first extension of the filter the operator chose in the
/// file dialog ("PNG 图片 (*.png)" gives ".png") when it has none of its own.
QString withChosenSuffix(const QString& path, const QString& chosenFilter);

/// Why the picture could not be written, or an empty text when it was.
QString exportPicture(const QString& path, QSize size, const std::function<void(QPainter&)>& paint);

}  // namespace velmora
