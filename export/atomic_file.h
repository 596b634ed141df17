// A file replaced whole or not at all: the content goes into a temporary file
// beside the target, which is renamed over the target only once everything is
// written and flushed to disk. A failed write (a full disk, a size limit)
// removes the temporary file and leaves whatever the target was before.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

class AtomicFile {
 public:
  /// Creates the temporary file beside `target`; `problem()` says why when it cannot.
  explicit AtomicFile(std::string target);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  /// Where a writer that opens files by name writes the content.
  const std::string& temporaryPath() const { return temporary_; }
  /// Empty while nothing failed; else the reason, for a message.
  const std::string& problem() const { return problem_; }

  /// Flushes the temporary file to disk and renames it to the target; the
  /// reason when that fails (the temporary file is then removed).
  std::string commit();

 private:
  std::string target_;
  std::string temporary_;
  std::string problem_;
  bool committed_ = false;
};

/// `bytes` as the whole new content of `target`; the reason when it cannot be written.
std::string writeFileAtomically(const std::string& target, std::string_view bytes);

}  // namespace velmora
