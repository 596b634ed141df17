// The texts of 帮助 › 关于 Velmora: the program's version, its licence and
// the libraries it is built on.
#pragma once

#include <QString>

namespace velmora {

/// The program's version, "1.0.0".
QString programVersion();

/// 关于 Velmora: version, licence and libraries, as rich text.
QString aboutText();

}  // namespace velmora
