// Writing a whole file so that it is never found half written: the bytes go
// into a new file beside it, which replaces the old one only once it is
// complete (QSaveFile). The old file's permissions are kept.
#pragma once

#include <QString>
#include <string_view>

namespace velmora {

/// Writes `bytes` as the file `path`. Empty when done, otherwise the system's
/// reason ("No space left on device", "Permission denied"); the file at
/// `path` is then as it was.
QString saveAtomically(const QString& path, std::string_view bytes);

}  // namespace velmora
