#include "ui/qt/atomic_save.h"

#include <QSaveFile>

namespace velmora {

QString saveAtomically(const QString& path, std::string_view bytes) {
  QSaveFile file(path);
  // Unbuffered: a buffered write fails only when commit() flushes it, and
  // commit() does not look at that failure before it replaces the old file.
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
  const auto size = static_cast<qint64>(bytes.size());
  // A write that stops short says nothing; the next one fails with the reason.
  for (qint64 written = 0; written < size;) {
    const qint64 step = file.write(bytes.data() + written, size - written);
    if (step <= 0) {
      const QString reason = file.errorString();
      file.cancelWriting();
      return reason;
    }
    written += step;
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace velmora
