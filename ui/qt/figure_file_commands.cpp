#include "ui/qt/figure_file_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include "ui/qt/figure_file.h"
#include "ui/qt/main_window.h"
#include "ui/qt/workbench_settings.h"

namespace velmora {
namespace {

const QString kFileFilter = QStringLiteral("图形文件 (*.csv);;所有文件 (*)");

QString pickLabel(const FileFigure& figure) {
  return QString::fromStdString(figure.texts[kPointNameEntry]) + QStringLiteral("（第 %1 行）").arg(figure.line);
}

QString joinedProblems(const std::vector<std::string>& problems) {
  constexpr std::size_t kShown = 10;
  QStringList lines;
  for (std::size_t at = 0; at < problems.size() && at < kShown; ++at) lines << QString::fromStdString(problems[at]);
  if (problems.size() > kShown) lines << QStringLiteral("……共 %1 条记录无法读取").arg(problems.size());
  return lines.join('\n');
}

}  // namespace

FigureFileCommands::FigureFileCommands(MainWindow& form, WorkbenchSettings& settings, QWidget& dialogParent)
    : QObject(&dialogParent), form_(form), settings_(settings), dialogParent_(dialogParent) {}

void FigureFileCommands::newFigure() {
  if (!keepChangesOrDrop()) return;
  form_.setFigure(FigureTexts{});
  path_.clear();
  saved_ = FigureTexts{};
  fileFigures_.clear();
  picked_ = 0;
  emit fileStateChanged();
}

void FigureFileCommands::open() {
  if (!keepChangesOrDrop()) return;
  const QString path =
      QFileDialog::getOpenFileName(&dialogParent_, QStringLiteral("打开图形文件"), settings_.lastFolder(), kFileFilter);
  if (!path.isEmpty()) openPath(path);
}

bool FigureFileCommands::openRecent(const QString& path) { return keepChangesOrDrop() && openPath(path); }

bool FigureFileCommands::openPath(const QString& path) {
  const FigureFileContents contents = readFigureFile(path.toStdString());
  if (!contents.failure.empty()) {
    tell(QString::fromStdString(contents.failure));
    if (!QFileInfo::exists(path)) {
      settings_.removeRecentFile(path);
      emit fileStateChanged();
    }
    return false;
  }
  if (contents.figures.empty()) {
    tell(QStringLiteral("文件「%1」中没有可读的图形。\n").arg(QFileInfo(path).fileName()) +
         joinedProblems(contents.recordProblems));
    return false;
  }
  if (!contents.recordProblems.empty()) {
    tell(QStringLiteral("文件「%1」中有记录无法读取，已跳过：\n").arg(QFileInfo(path).fileName()) +
         joinedProblems(contents.recordProblems));
  }
  std::size_t picked = 0;
  if (contents.figures.size() > 1) {
    QStringList labels;
    for (const FileFigure& figure : contents.figures) labels << pickLabel(figure);
    bool chosen = false;
    const QString label = QInputDialog::getItem(&dialogParent_, QStringLiteral("选择图形"),
                                                QStringLiteral("文件中有 %1 个图形，请选择一个：").arg(labels.size()),
                                                labels, 0, false, &chosen);
    if (!chosen) return false;
    picked = static_cast<std::size_t>(labels.indexOf(label));
  }
  fileFigures_.clear();
  for (const FileFigure& figure : contents.figures) fileFigures_.push_back(figure.texts);
  picked_ = picked;
  saved_ = fileFigures_[picked_];
  form_.setFigure(saved_);
  remember(path);
  return true;
}

bool FigureFileCommands::save() { return path_.isEmpty() ? saveAs() : saveTo(path_); }

bool FigureFileCommands::saveAs() {
  const QString start = path_.isEmpty() ? settings_.lastFolder() : path_;
  QString path = QFileDialog::getSaveFileName(&dialogParent_, QStringLiteral("保存图形文件"), start, kFileFilter);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
  if (path != path_) {
    fileFigures_.clear();
    picked_ = 0;
  }
  return saveTo(path);
}

bool FigureFileCommands::saveTo(const QString& path) {
  std::vector<FigureTexts> figures = fileFigures_;
  if (figures.empty()) figures.resize(1);
  figures.at(picked_) = form_.figure();
  if (const auto failure = writeFigureFile(path.toStdString(), figures)) {
    tell(QString::fromStdString(*failure));
    return false;
  }
  fileFigures_ = figures;
  saved_ = form_.figure();
  remember(path);
  return true;
}

bool FigureFileCommands::keepChangesOrDrop() {
  if (!changed()) return true;
  const auto answer =
      QMessageBox::question(&dialogParent_, QStringLiteral("Velmora"), QStringLiteral("图形已修改，是否保存？"),
                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
  if (answer == QMessageBox::Save) return save();
  return answer == QMessageBox::Discard;
}

bool FigureFileCommands::changed() const { return form_.figure() != saved_; }

void FigureFileCommands::tell(const QString& message) {
  QMessageBox::warning(&dialogParent_, QStringLiteral("Velmora"), message);
}

void FigureFileCommands::remember(const QString& path) {
  path_ = path;
  settings_.addRecentFile(QFileInfo(path).absoluteFilePath());
  settings_.setLastFolder(QFileInfo(path).absolutePath());
  emit fileStateChanged();
}

}  // namespace velmora
