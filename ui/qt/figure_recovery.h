// Keeps the figure being worked on in a recovery file while it differs from
// its file, so that 结束, a crash, a kill or a logout loses no edit; at the
// next start the window offers it back (恢复 / 丢弃). Each running window
// holds a slot of its own in the folder (recovery-1.json under the lock file
// recovery-1.lock, recovery-2.json, ...), so that a second window neither
// offers nor overwrites the first one's; the slot of a window that ended is
// taken by the next window that starts. A recovery file that cannot be read
// is moved aside to recovery-N.damaged.json and the window starts as usual.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

#include "ui/qt/recovered_figure.h"

class QWidget;

namespace velmora {

class FigureFileCommands;
class FigureForm;

class FigureRecovery final : public QObject {
  Q_OBJECT

 public:
  /// Keeps nothing until start().
  FigureRecovery(FigureFileCommands& files, FigureForm& form, QWidget& dialogParent);

  /// The user's data folder, where the window keeps its recoveries.
  static QString userFolder();

  /// Takes a free slot in `folder`, offers what the window that held it last
  /// left unsaved, then keeps the figure there whenever it changes. Where the
  /// folder cannot be written the window works on and says so once.
  void start(const QString& folder);
  /// The operator dropped the changes and the window closes: the recovery goes
  /// and nothing more is kept.
  void stop();

  /// The slot's recovery file; empty while nothing is kept.
  const QString& filePath() const { return file_; }

 signals:
  /// Something the operator should read once: a damaged recovery, a folder that cannot be written.
  void noticed(const QString& notice);

 private:
  bool takeSlot(const QString& folder);
  std::optional<RecoveredFigure> readLeftOver();
  void setDamagedAside();
  bool offer(const RecoveredFigure& figure);
  void restore(const RecoveredFigure& figure);
  RecoveredFigure current() const;
  void keep();
  void write(const QByteArray& text);
  void remove();
  void tellCannotKeep();

  FigureFileCommands& files_;
  FigureForm& form_;
  QWidget& dialogParent_;
  std::unique_ptr<QLockFile> lock_;
  QString file_;
  QByteArray written_;  ///< what the file holds, to write a change only once
  bool toldCannotKeep_ = false;
};

}  // namespace velmora
