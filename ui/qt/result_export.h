// 文件 › 导出: the last complete run out to other programs through the export
// layer: the results as an Excel workbook, a GNU Gama local network, a DXF
// drawing in survey coordinates, or a CASS coordinate file in GB18030. The
// rigorous check and the grade (the one chosen for the check) come from one
// review of the run. A file is written whole or not at all; the outcome goes to
// the status bar, a failure to the operator with the system's reason.
#pragma once

#include <QObject>
#include <QString>

#include "export/export_format.h"

class QMainWindow;

namespace velmora {

class FigureForm;
class MainWindowSettings;
struct MainWindowActions;

/// `path` ending in `format`'s extension: as typed when it does, else with the
/// extension added ("成果" and "成果.txt" give "成果.xlsx" and "成果.txt.xlsx").
QString withExportExtension(const QString& path, ExportFormat format);

class ResultExportCommands final : public QObject {
  Q_OBJECT

 public:
  ResultExportCommands(FigureForm& form, MainWindowSettings& settings, QMainWindow& window);

  /// Connects the 导出 submenu's items.
  void connectTo(const MainWindowActions& actions);

  /// Asks for a file of `format` and writes the run into it; refused without a complete run.
  void exportAs(ExportFormat format);
  /// Writes the run as `path` (given `format`'s extension): true when it was
  /// written; otherwise the operator is told why and no file is left.
  bool exportTo(const QString& path, ExportFormat format);

 signals:
  /// The file written, for the status bar.
  void exported(const QString& notice);

 private:
  void tell(const std::string& message);

  FigureForm& form_;
  MainWindowSettings& settings_;
  QMainWindow& window_;
};

}  // namespace velmora
