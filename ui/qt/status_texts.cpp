#include "ui/qt/status_texts.h"

#include <QFileInfo>

namespace velmora {

QString runStatusText(const RunOutcome& outcome) {
  if (outcome.end == RunEnd::Complete) return QStringLiteral("计算完成");
  if (outcome.end == RunEnd::Cancelled) return QStringLiteral("计算已取消");
  return QStringLiteral("计算中止：") + QString::fromStdString(outcome.message);
}

QString fileStatusText(const QString& path, bool changed) {
  const QString name = path.isEmpty() ? QStringLiteral("未保存的图形") : QFileInfo(path).fileName();
  return changed ? name + QStringLiteral(" *") : name;
}

}  // namespace velmora
