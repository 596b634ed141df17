#include "ui/qt/figure_file_commands.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "figure_file/figure_file.h"
#include "figure_file/figure_file_edit.h"
#include "ui/qt/atomic_save.h"
#include "ui/qt/figure_chooser.h"
#include "ui/qt/figure_form.h"
#include "ui/qt/main_window_settings.h"

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

/// A file's bytes, or why it cannot be read.
struct FileBytes {
  std::string bytes;
  std::string problem;
};

FileBytes readBytes(const QString& path) {
  FileBytes read;
  const std::filesystem::path file = path.toStdString();
  std::ifstream input(file, std::ios::binary);
  std::error_code ignored;
  if (!input || std::filesystem::is_directory(file, ignored)) {
    read.problem = "无法读取文件「" + path.toStdString() + "」";
    return read;
  }
  // Read in one piece of the file's size: a large file is held once, not grown into.
  const std::uintmax_t size = std::filesystem::file_size(file, ignored);
  if (!ignored) {
    read.bytes.resize(static_cast<std::size_t>(size));
    input.read(read.bytes.data(), static_cast<std::streamsize>(size));
    read.bytes.resize(static_cast<std::size_t>(input.gcount()));
  }
  if (ignored || input.peek() != std::ifstream::traits_type::eof()) {
    read.bytes.append(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());  // grew meanwhile
  }
  if (input.bad()) read.problem = "读取文件「" + path.toStdString() + "」时出错";
  return read;
}

FigureFileListing unreadable(const std::string& problem) {
  FigureFileListing contents;
  contents.problem = problem;
  return contents;
}

QString cannotSave(const QString& path, const QString& reason) {
  return QStringLiteral("无法保存文件「%1」：%2").arg(QFileInfo(path).fileName(), reason);
}

}  // namespace

FigureFileCommands::FigureFileCommands(FigureForm& form, MainWindowSettings& settings, QWidget& dialogParent)
    : QObject(&dialogParent), form_(form), settings_(settings), dialogParent_(dialogParent) {}

void FigureFileCommands::newFigure() {
  if (!keepChangesOrDrop()) return;
  form_.startFigure(SheetTexts{});
  path_.clear();
  saved_ = SheetTexts{};
  fileBytes_.clear();
  recordLine_ = 0;
  emit fileStateChanged();
}

void FigureFileCommands::open() {
  if (!keepChangesOrDrop()) return;
  const QString path =
      QFileDialog::getOpenFileName(&dialogParent_, QStringLiteral("打开图形文件"), settings_.lastFolder(), kFileFilter);
  if (!path.isEmpty()) openPath(path);
}

bool FigureFileCommands::openRecent(const QString& path) { return keepChangesOrDrop() && openPath(path); }

bool FigureFileCommands::openPath(const QString& path, std::optional<std::size_t> recordLine) {
  FileBytes read = readBytes(path);
  const FigureFileListing contents = read.problem.empty() ? listFigureFileBytes(read.bytes) : unreadable(read.problem);
  const QString fileName = QFileInfo(path).fileName();
  if (!contents.problem.empty()) {
    // A file that cannot be read at all names itself; one without a figure header says which.
    const QString problem = QString::fromStdString(contents.problem);
    tell(read.problem.empty() ? QStringLiteral("文件「%1」不是图形文件：%2").arg(fileName, problem) : problem);
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
  const std::optional<std::size_t> picked = pickFigure(contents.figures, fileName, recordLine);
  if (!picked) return false;
  const std::optional<FigureRecord> figure = figureAtLine(read.bytes, contents.figures[*picked].line);
  if (!figure) return false;  // the bytes just listed hold it
  fileBytes_ = std::move(read.bytes);
  recordLine_ = contents.figures[*picked].line;
  saved_ = textsOf(*figure);
  form_.startFigure(saved_);
  remember(path);
  for (const std::string& notice : contents.notices) emit noticed(QString::fromStdString(notice));
  return true;
}

std::optional<std::size_t> FigureFileCommands::pickFigure(const std::vector<FigureFileName>& figures,
                                                          const QString& fileName,
                                                          std::optional<std::size_t> recordLine) {
  if (recordLine) {
    for (std::size_t at = 0; at < figures.size(); ++at) {
      if (figures[at].line == *recordLine) return at;
    }
    // Never another figure's record in its place.
    tell(QStringLiteral("文件的第 %1 行不再是一个图形的开始。").arg(*recordLine));
    return std::nullopt;
  }
  if (figures.size() == 1) return 0;
  return FigureChooser(figures, fileName, &dialogParent_).choose();
}

bool FigureFileCommands::save() { return path_.isEmpty() ? saveAs() : saveTo(path_); }

bool FigureFileCommands::saveAs() {
  const QString start = path_.isEmpty() ? settings_.lastFolder() : path_;
  QString path = QFileDialog::getSaveFileName(&dialogParent_, QStringLiteral("保存图形文件"), start, kFileFilter);
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
  return saveTo(path);
}

bool FigureFileCommands::saveTo(const QString& path) {
  const FigureRecord figure = recordOf(form_.figure());
  const bool intoOpenedFile = isOpenedFile(path);
  FigureFileEdit edit = intoOpenedFile ? editFigureInFile(fileBytes_, recordLine_, figure)
                                       : FigureFileEdit{newFigureFile(std::array{figure}), kFirstRecordLine, {}};
  if (!edit.problem.empty()) {
    tell(cannotSave(path, QString::fromStdString(edit.problem)));
    return false;
  }
  if (intoOpenedFile && changedOnDisk() && !overwriteAgreed(QFileInfo(path).fileName())) return false;
  const QString failure = saveAtomically(path, edit.bytes);
  if (!failure.isEmpty()) {
    tell(cannotSave(path, failure));
    return false;
  }
  fileBytes_ = std::move(edit.bytes);
  recordLine_ = edit.line;
  saved_ = form_.figure();
  remember(path);
  return true;
}

bool FigureFileCommands::isOpenedFile(const QString& path) const {
  return !path_.isEmpty() && QFileInfo(path).absoluteFilePath() == QFileInfo(path_).absoluteFilePath();
}

bool FigureFileCommands::changedOnDisk() const {
  if (!QFileInfo::exists(path_)) return false;
  const FileBytes onDisk = readBytes(path_);
  return !onDisk.problem.empty() || onDisk.bytes != fileBytes_;
}

bool FigureFileCommands::overwriteAgreed(const QString& fileName) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Velmora"),
                  QStringLiteral("文件「%1」在打开或上次保存之后已被改动。\n"
                                 "覆盖它吗？覆盖后，那些改动将丢失。")
                      .arg(fileName),
                  QMessageBox::Cancel, &dialogParent_);
  const QPushButton* overwrite = box.addButton(QStringLiteral("覆盖"), QMessageBox::AcceptRole);
  box.setDefaultButton(QMessageBox::Cancel);
  box.exec();
  return box.clickedButton() == overwrite;
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
