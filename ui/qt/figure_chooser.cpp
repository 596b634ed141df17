#include "ui/qt/figure_chooser.h"

#include <QAbstractListModel>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

/// The figures shown: those whose name holds the filter's text, in file order.
class FigureListModel final : public QAbstractListModel {
 public:
  FigureListModel(const std::vector<FigureFileName>& figures, QObject* parent)
      : QAbstractListModel(parent), figures_(figures) {
    narrow(QString());
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const FigureFileName& figure = figures_[figureAt(index.row())];
    return QString::fromStdString(figure.name) + QStringLiteral("（第 %1 行）").arg(figure.line);
  }

  void narrow(const QString& typed) {
    beginResetModel();
    shown_.clear();
    const std::string needle = typed.trimmed().toLower().toStdString();
    for (std::size_t at = 0; at < figures_.size(); ++at) {
      if (needle.empty() ||
          QString::fromStdString(figures_[at].name).toLower().toStdString().find(needle) != std::string::npos) {
        shown_.push_back(at);
      }
    }
    endResetModel();
  }

  std::size_t figureAt(int row) const { return shown_[static_cast<std::size_t>(row)]; }

 private:
  const std::vector<FigureFileName>& figures_;
  std::vector<std::size_t> shown_;
};

namespace {

constexpr int kChooserWidthPixels = 460;
constexpr int kChooserHeightPixels = 420;

}  // namespace

FigureChooser::FigureChooser(const std::vector<FigureFileName>& figures, const QString& fileName, QWidget* parent)
    : QDialog(parent),
      model_(new FigureListModel(figures, this)),
      filter_(new QLineEdit(this)),
      list_(new QListView(this)) {
  setWindowTitle(QStringLiteral("选择图形"));
  auto* text =
      new QLabel(QStringLiteral("文件「%1」中有 %2 个图形，请选择一个：").arg(fileName).arg(figures.size()), this);
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  filter_->setPlaceholderText(QStringLiteral("按点名筛选"));
  filter_->setClearButtonEnabled(true);
  list_->setModel(model_);
  list_->setUniformItemSizes(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setCurrentIndex(model_->index(0));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListView::activated, this, &QDialog::accept);  // a double click, or Enter
  connect(filter_, &QLineEdit::textChanged, this, &FigureChooser::narrow);
  connect(model_, &QAbstractItemModel::modelReset, this,
          [this, buttons] { buttons->button(QDialogButtonBox::Ok)->setEnabled(model_->rowCount({}) > 0); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(filter_);
  layout->addWidget(list_, 1);
  layout->addWidget(buttons);
  resize(kChooserWidthPixels, kChooserHeightPixels);
  filter_->setFocus();
}

void FigureChooser::narrow(const QString& typed) {
  model_->narrow(typed);
  list_->setCurrentIndex(model_->index(0));
}

std::optional<std::size_t> FigureChooser::choose() {
  if (exec() != QDialog::Accepted || !list_->currentIndex().isValid()) return std::nullopt;
  return model_->figureAt(list_->currentIndex().row());
}

}  // namespace velmora
