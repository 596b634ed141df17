// Opening a file the user named for reading: a directory or a file that
// cannot be opened is refused with the reason, in Chinese, for the message.
#pragma once

#include <fstream>
#include <string>

namespace velmora {

/// Opens `path` into `file`; empty when it is open, otherwise why it cannot be read.
std::string openForReading(const std::string& path, std::ifstream& file);

}  // namespace velmora
