// The check dialog (检核): the rigorous least-squares check of the last
// complete run, as the console shows it, with printing and export of the
// check as a document (PDF, SVG, PNG).
#pragma once

#include <QDialog>
#include <QString>
#include <optional>
#include <string>

#include "engine/adjustment_state.h"

class QPlainTextEdit;
class QPainter;

namespace velmora {

class WorkbenchSettings;

/// The check's text of a complete run, or why there is none (no complete run,
/// or the check cannot be computed), in Chinese.
struct CheckReport {
  std::optional<std::string> text;
  std::string refusal;
};
CheckReport makeCheckReport(const AdjustmentState& state);

class CheckDialog final : public QDialog {
  Q_OBJECT

 public:
  /// `report` must hold a text.
  CheckDialog(const CheckReport& report, WorkbenchSettings& settings, QWidget* parent);

  /// The lines the dialog shows and prints.
  QString documentText() const { return text_; }
  /// Writes the check to `path` (.pdf, .svg or .png); the reason when it could not.
  QString exportTo(const QString& path) const;

 private:
  void printDocument();
  void exportDocument();
  QSize documentSize() const;
  void paintDocument(QPainter& painter) const;

  WorkbenchSettings& settings_;
  QString text_;
  QPlainTextEdit* view_;
};

}  // namespace velmora
