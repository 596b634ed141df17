#include "ui/qt/figure_file_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <filesystem>
#include <fstream>

#include "figure_file/figure_file.h"
#include "ui/qt/main_window.h"
#include "ui/qt/workbench_settings.h"

namespace velmora {
namespace {

const QString kFileFilter = QStringLiteral("图形文件 (*.csv);;所有文件 (*)");

static_assert(kFigureColumns == kSheetEntries, "a file's columns are the figure's entries in order");

SheetTexts textsOf(const FigureRecord& record) {
  SheetTexts texts;
  for (std::size_t column = 0; column < kFigureColumns; ++column) texts[column] = record.columns[column];
  return texts;
}

FigureRecord recordOf(const SheetTexts& texts) {
  FigureRecord record;
  for (std::size_t column = 0; column < kFigureColumns; ++column) record.columns[column] = texts[column];
  return record;
}

QString pickLabel(const FigureFileEntry& entry) {
  return QString::fromStdString(entry.figure.name()) + QStringLiteral("（第 %1 行）").arg(entry.line);
}

/// The records that gave no figure, ten at most, each with its line and column.
QString joinedErrors(const std::vector<FigureFileError>& errors) {
  constexpr std::size_t kShown = 10;
  QStringList lines;
  for (std::size_t at = 0; at < errors.size() && at < kShown; ++at) {
    const FigureFileError& error = errors[at];
    QString line = QStringLiteral("第 %1 行").arg(error.line);
    if (!error.field.empty()) line += QStringLiteral("（%1）").arg(QString::fromStdString(error.field));
    lines << line + QStringLiteral("：") + QString::fromStdString(error.message);
  }
  if (errors.size() > kShown) lines << QStringLiteral("……共 %1 条记录无法读取").arg(errors.size());
  return lines.join('\n');
}

/// The file's contents, or why it cannot be read at all.
FigureFileContents readFile(const QString& path) {
  FigureFileContents contents;
  const std::filesystem::path file = path.toStdString();
  std::ifstream input(file, std::ios::binary);
  std::error_code ignored;
  if (!input || std::filesystem::is_directory(file, ignored)) {
    contents.problem = "无法读取文件「" + path.toStdString() + "」";
    return contents;
  }
  contents = readFigureFile(input, TextEncoding::Automatic);
  if (input.bad()) contents.problem = "读取文件「" + path.toStdString() + "」时出错";
  return contents;
}

}  // namespace

FigureFileCommands::FigureFileCommands(MainWindow& form, WorkbenchSettings& settings, QWidget& dialogParent)
    : QObject(&dialogParent), form_(form), settings_(settings), dialogParent_(dialogParent) {}

void FigureFileCommands::newFigure() {
  if (!keepChangesOrDrop()) return;
  form_.setFigure(SheetTexts{});
  path_.clear();
  saved_ = SheetTexts{};
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
  const FigureFileContents contents = readFile(path);
  const QString fileName = QFileInfo(path).fileName();
  if (!contents.problem.empty()) {
    tell(QString::fromStdString(contents.problem));
    if (!QFileInfo::exists(path)) {
      settings_.removeRecentFile(QFileInfo(path).absoluteFilePath());
      emit fileStateChanged();
    }
    return false;
  }
  if (contents.figures.empty()) {
    tell(QStringLiteral("文件「%1」中没有可读的图形。\n").arg(fileName) + joinedErrors(contents.errors));
    return false;
  }
  if (!contents.errors.empty()) {
    tell(QStringLiteral("文件「%1」中有记录无法读取，已跳过：\n").arg(fileName) + joinedErrors(contents.errors));
  }
  std::size_t picked = 0;
  if (contents.figures.size() > 1) {
    QStringList labels;
    for (const FigureFileEntry& entry : contents.figures) labels << pickLabel(entry);
    bool chosen = false;
    const QString label = QInputDialog::getItem(&dialogParent_, QStringLiteral("选择图形"),
                                                QStringLiteral("文件中有 %1 个图形，请选择一个：").arg(labels.size()),
                                                labels, 0, false, &chosen);
    if (!chosen) return false;
    picked = static_cast<std::size_t>(labels.indexOf(label));
  }
  fileFigures_.clear();
  for (const FigureFileEntry& entry : contents.figures) fileFigures_.push_back(textsOf(entry.figure));
  picked_ = picked;
  saved_ = fileFigures_[picked_];
  form_.setFigure(saved_);
  remember(path);
  for (const std::string& notice : contents.notices) emit noticed(QString::fromStdString(notice));
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
  std::vector<SheetTexts> figures = fileFigures_;
  if (figures.empty()) figures.resize(1);
  figures.at(picked_) = form_.figure();
  std::vector<FigureRecord> records;
  for (const SheetTexts& figure : figures) records.push_back(recordOf(figure));
  std::ofstream output(std::filesystem::path(path.toStdString()), std::ios::binary | std::ios::trunc);
  if (!output || !writeFigureFile(output, records) || !output.flush()) {
    tell(QStringLiteral("无法写入文件「%1」").arg(path));
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
