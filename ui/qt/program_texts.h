// The texts of the 帮助 menu: how to use the window, and the program's
// version, licence and the libraries it is built on.
#pragma once

#include <QString>

namespace velmora {

/// The program's version, "1.0.0".
QString programVersion();

/// 使用说明: the commands of the window in a few paragraphs, plain text.
extern const char* const kManualText;

/// 关于 Velmora: version, licence and libraries, as rich text.
QString aboutText();

}  // namespace velmora
