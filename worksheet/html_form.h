// The worksheet as one HTML page: UTF-8, well-formed (it reads as XML), a
// style sheet for print (A4, tables kept whole where they fit, header rows
// repeated on every page a table runs over), the picture's SVG inline or, for
// a renderer without SVG, an image by name that the renderer supplies.
#pragma once

#include <string>

#include "worksheet/worksheet_document.h"

namespace velmora {

struct HtmlOptions {
  /// Empty: the picture's SVG inline. Else the picture is <img src="pictureImage"> of this size in pixels.
  std::string pictureImage;
  int pictureWidth = 480;
  int pictureHeight = 480;
};

std::string worksheetHtml(const WorksheetDocument& document, const HtmlOptions& options = {});

}  // namespace velmora
