#include "ui/qt/figure_recovery.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStandardPaths>

#include "ui/qt/figure_file_commands.h"
#include "ui/qt/figure_form.h"

namespace velmora {
namespace {

/// More windows than anyone works in at once; a window beyond them keeps no recovery.
constexpr int kSlots = 16;

QString slotFile(const QDir& folder, int slot, const QString& ending) {
  return folder.filePath(QStringLiteral("recovery-%1%2").arg(slot).arg(ending));
}

QString damagedFile(const QString& file) {
  QString aside = file;
  aside.chop(QStringLiteral(".json").size());
  return aside + QStringLiteral(".damaged.json");
}

QString figureFileLine(const RecoveredFigure& figure) {
  if (figure.file.isEmpty()) return QStringLiteral("未保存的图形");
  const QString name = QFileInfo(figure.file).fileName();
  return figure.recordLine ? name + QStringLiteral("（第 %1 行）").arg(*figure.recordLine) : name;
}

QString offerText(const RecoveredFigure& figure, const QDateTime& kept) {
  const QString pointName = QString::fromStdString(figure.texts[kPointNameEntry]);
  return QStringLiteral(
             "上次结束时，图形的修改没有保存。\n\n点名：%1\n文件：%2\n时间：%3\n\n"
             "恢复：放回这些修改，仍标为已修改，保存后才写入文件。\n丢弃：删除这些修改。")
      .arg(pointName.isEmpty() ? QStringLiteral("（无）") : pointName, figureFileLine(figure),
           kept.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
}

}  // namespace

FigureRecovery::FigureRecovery(FigureFileCommands& files, FigureForm& form, QWidget& dialogParent)
    : QObject(&dialogParent), files_(files), form_(form), dialogParent_(dialogParent) {}

QString FigureRecovery::userFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

void FigureRecovery::start(const QString& folder) {
  if (!takeSlot(folder)) {
    tellCannotKeep();
    return;
  }
  if (const std::optional<RecoveredFigure> leftOver = readLeftOver(); leftOver && offer(*leftOver)) {
    restore(*leftOver);
  }
  connect(&form_, &FigureForm::figureChanged, this, &FigureRecovery::keep);
  connect(&files_, &FigureFileCommands::fileStateChanged, this, &FigureRecovery::keep);
  keep();
}

void FigureRecovery::stop() {
  if (file_.isEmpty()) return;
  remove();
  file_.clear();
}

bool FigureRecovery::takeSlot(const QString& folder) {
  if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
  const QDir dir(folder);
  for (int slot = 1; slot <= kSlots; ++slot) {
    auto lock = std::make_unique<QLockFile>(slotFile(dir, slot, QStringLiteral(".lock")));
    // Held for the window's whole life: stale only once its process is gone.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
      lock_ = std::move(lock);
      file_ = slotFile(dir, slot, QStringLiteral(".json"));
      return true;
    }
    if (lock->error() != QLockFile::LockFailedError) return false;
  }
  return false;
}

std::optional<RecoveredFigure> FigureRecovery::readLeftOver() {
  QFile file(file_);
  if (!file.exists()) return std::nullopt;
  if (file.open(QIODevice::ReadOnly)) {
    if (std::optional<RecoveredFigure> figure = recoveredFigureOf(file.readAll())) return figure;
  }
  file.close();
  setDamagedAside();
  return std::nullopt;
}

void FigureRecovery::setDamagedAside() {
  const QString aside = damagedFile(file_);
  QFile::remove(aside);
  if (QFile::rename(file_, aside)) {
    emit noticed(QStringLiteral("恢复文件已损坏，无法读取，已在用户数据文件夹中改名为「%1」。")
                     .arg(QFileInfo(aside).fileName()));
  } else {
    emit noticed(QStringLiteral("用户数据文件夹中的恢复文件已损坏，无法读取。"));
  }
}

bool FigureRecovery::offer(const RecoveredFigure& figure) {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Velmora"), offerText(figure, QFileInfo(file_).lastModified()),
                  QMessageBox::NoButton, &dialogParent_);
  QPushButton* restoreButton = box.addButton(QStringLiteral("恢复"), QMessageBox::AcceptRole);
  box.addButton(QStringLiteral("丢弃"), QMessageBox::DestructiveRole);
  // Closing the box loses nothing: the figure comes back and can still be dropped.
  box.setDefaultButton(restoreButton);
  box.setEscapeButton(restoreButton);
  box.exec();
  return box.clickedButton() == restoreButton;
}

void FigureRecovery::restore(const RecoveredFigure& figure) {
  const bool reopened =
      figure.file.isEmpty() || (QFileInfo::exists(figure.file) && files_.openPath(figure.file, figure.recordLine));
  if (!reopened) {
    emit noticed(QStringLiteral("文件「%1」中已找不到这个图形：它恢复为未保存的图形。")
                     .arg(QDir::toNativeSeparators(figure.file)));
  }
  form_.setFigure(figure.texts);
}

RecoveredFigure FigureRecovery::current() const {
  RecoveredFigure figure{form_.figure(), QString(), std::nullopt};
  if (files_.path().isEmpty()) return figure;
  figure.file = QFileInfo(files_.path()).absoluteFilePath();
  if (files_.recordLine() > 0) figure.recordLine = files_.recordLine();
  return figure;
}

void FigureRecovery::keep() {
  if (file_.isEmpty()) return;
  if (files_.changed()) {
    write(recoveryText(current()));
  } else {
    remove();
  }
}

void FigureRecovery::write(const QByteArray& text) {
  if (text == written_) return;
  QSaveFile file(file_);
  if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit()) {
    written_ = text;
    return;
  }
  written_.clear();
  tellCannotKeep();
}

void FigureRecovery::remove() {
  written_.clear();
  QFile::remove(file_);
}

void FigureRecovery::tellCannotKeep() {
  if (toldCannotKeep_) return;
  toldCannotKeep_ = true;
  emit noticed(QStringLiteral("无法在用户数据文件夹中保存恢复文件：程序意外结束时，未保存的修改会丢失。"));
}

}  // namespace velmora
