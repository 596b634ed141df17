// Application-wide settings the window relies on: the Fusion style, which
// draws buttons in their palette colour on every platform, and the names.
#pragma once

namespace velmora {

/// Call once after the QApplication exists and before the window is made.
void setUpApplication();

}  // namespace velmora
