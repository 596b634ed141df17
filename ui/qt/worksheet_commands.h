// The window's worksheet commands: 文件 › 导出计算表… (PDF or HTML, the chosen
// filter's extension when none is typed) and 文件 › 计算表 (WorksheetWindow),
// both refused, with print's message, without a complete run. The header
// names the figure file and the record line when the figure came from one,
// and the grade last chosen in the check dialog (else the highest met).
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "plot/plot_scene.h"
#include "worksheet/worksheet_document.h"

class QWidget;

namespace velmora {

class FigureFileCommands;
class FigureForm;
class MainWindowSettings;
class WorksheetWindow;

/// The worksheet with the plot of its rigorous check, when there is one.
struct WorksheetPage {
  WorksheetDocument document;
  std::optional<PlotScene> plot;
};

class WorksheetCommands final : public QObject {
  Q_OBJECT

 public:
  WorksheetCommands(FigureForm& form, FigureFileCommands& files, MainWindowSettings& settings, QWidget& dialogParent);

  /// 导出计算表…: asks for the file, then writes it; a refusal or a failure is told to the operator.
  void exportWorksheet();
  /// Writes the worksheet to `path` (.pdf, else HTML); the refusal or the reason, empty when done.
  QString exportWorksheetTo(const QString& path);
  /// 计算表: the worksheet in a window of its own; none, and the refusal told, without a complete run.
  WorksheetWindow* showWorksheet();

 private:
  /// The page of the last complete run, or none and the refusal told to the operator.
  std::optional<WorksheetPage> pageOrTell();
  /// The page, or none with `refusal` set.
  std::optional<WorksheetPage> page(QString& refusal) const;

  FigureForm& form_;
  FigureFileCommands& files_;
  MainWindowSettings& settings_;
  QWidget& dialogParent_;
};

}  // namespace velmora
