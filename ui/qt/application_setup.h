// Application-wide settings the window relies on: the Fusion style, which
// draws buttons in their palette colour on every platform, the organisation
// and application names under which the settings are kept, and Qt's own
// texts (standard buttons, print and file dialogs) in Simplified Chinese
// whatever the system's locale.
#pragma once

namespace velmora {

/// Call once after the QApplication exists and before the window is made.
void setUpApplication();

/// Gives every window the program's icon. Reading the icon looks up Qt's image
/// plug-ins, some milliseconds that the window's first frame need not wait for.
void setProgramIcon();

}  // namespace velmora
