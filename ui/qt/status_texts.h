// The texts of the window's status bar: how the last Compute run ended, the
// grade verdict of the last check, and the figure file with its changed mark.
#pragma once

#include <QString>

#include "ui/run_outcome.h"

namespace velmora {

/// "计算完成", "计算已取消", or "计算中止：" followed by the run's message.
QString runStatusText(const RunOutcome& outcome);

/// The file's name without its folder, or "未保存的图形" when the figure has
/// no file yet; " *" follows when the figure has changed since it was saved.
QString fileStatusText(const QString& path, bool changed);

}  // namespace velmora
