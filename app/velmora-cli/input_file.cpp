#include "input_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace velmora {

std::string openForReading(const std::string& path, std::ifstream& file) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return "是一个目录，不是文件";
  errno = 0;
  file.open(path, std::ios::binary);
  if (file) return {};
  if (errno == ENOENT) return "不存在";
  if (errno == EACCES) return "没有读取权限";
  return errno != 0 ? std::string("不能打开（") + std::strerror(errno) + "）" : "不能打开";
}

}  // namespace velmora
