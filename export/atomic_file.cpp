#include "export/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace velmora {
namespace {

std::string systemReason() { return std::strerror(errno); }

/// The permissions a newly created file gets under the process's umask.
mode_t newFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}

}  // namespace

AtomicFile::AtomicFile(std::string target) : target_(std::move(target)), temporary_(target_ + ".XXXXXX") {
  const int descriptor = mkstemp(temporary_.data());
  if (descriptor < 0) {
    problem_ = systemReason();
    temporary_.clear();
    return;
  }
  if (fchmod(descriptor, newFileMode()) != 0) problem_ = systemReason();
  close(descriptor);
}

AtomicFile::~AtomicFile() {
  if (!committed_ && !temporary_.empty()) std::remove(temporary_.c_str());
}

std::string AtomicFile::commit() {
  if (!problem_.empty()) return problem_;
  const int descriptor = open(temporary_.c_str(), O_RDONLY);
  if (descriptor < 0 || fsync(descriptor) != 0) problem_ = systemReason();
  if (descriptor >= 0) close(descriptor);
  if (problem_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0) problem_ = systemReason();
  committed_ = problem_.empty();
  return problem_;
}

std::string writeFileAtomically(const std::string& target, std::string_view bytes) {
  AtomicFile file(target);
  if (!file.problem().empty()) return file.problem();
  const int descriptor = open(file.temporaryPath().c_str(), O_WRONLY | O_TRUNC);
  if (descriptor < 0) return systemReason();
  while (!bytes.empty()) {
    const ssize_t written = write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const std::string reason = written < 0 ? systemReason() : "写出中断";
      close(descriptor);
      return reason;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  if (close(descriptor) != 0) return systemReason();
  return file.commit();
}

}  // namespace velmora
