// The choice of one figure from a file of several: every figure listed by
// name and line, a filter box that narrows the list to the names holding
// what is typed (case ignored), OK or a double click or Enter to take the
// selected one. The list formats only the rows it shows, so that a file of
// hundreds of thousands of figures lists at once.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "figure_file/figure_file.h"

class QLineEdit;
class QListView;

namespace velmora {

class FigureListModel;

class FigureChooser final : public QDialog {
  Q_OBJECT

 public:
  /// A chooser over `figures`, which must outlive it; `fileName` goes into its text.
  FigureChooser(const std::vector<FigureFileName>& figures, const QString& fileName, QWidget* parent);

  /// Runs the chooser modally: the index in `figures` of the figure chosen, or none.
  std::optional<std::size_t> choose();

  QLineEdit& filter() const { return *filter_; }
  QListView& list() const { return *list_; }

 private:
  void narrow(const QString& typed);

  FigureListModel* model_;
  QLineEdit* filter_;
  QListView* list_;
};

}  // namespace velmora
