#include "ui/qt/manual_window.h"

#include <QAction>
#include <QKeySequence>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

namespace velmora {
namespace {

// Qt adds the program's name after it: 使用说明 — Velmora.
const QString kManualTitle = QStringLiteral("使用说明");

QAction* addCommand(QToolBar& bar, QStyle::StandardPixmap icon, const QString& text, const QKeySequence& shortcut) {
  QAction* action = bar.addAction(bar.style()->standardIcon(icon), text);
  action->setShortcut(shortcut);
  action->setToolTip(text + QStringLiteral("（") + shortcut.toString(QKeySequence::NativeText) + QStringLiteral("）"));
  return action;
}

}  // namespace

QUrl ManualWindow::contentsPage() { return QUrl(QStringLiteral("qrc:/velmora/manual/index.html")); }

ManualWindow& ManualWindow::showFor(QWidget& owner) {
  auto* manual = owner.findChild<ManualWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (manual == nullptr) manual = new ManualWindow(&owner);
  manual->show();
  manual->raise();
  manual->activateWindow();
  return *manual;
}

ManualWindow::ManualWindow(QWidget* parent) : QMainWindow(parent), browser_(new QTextBrowser(this)) {
  setCentralWidget(browser_);
  addBrowsingCommands();
  connect(browser_, &QTextBrowser::sourceChanged, this, &ManualWindow::showPageTitle);
  browser_->setSource(contentsPage());
  browser_->setFocus();
  resize(900, 720);
}

void ManualWindow::addBrowsingCommands() {
  QToolBar& bar = *addToolBar(QStringLiteral("浏览"));
  bar.setMovable(false);
  bar.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back = addCommand(bar, QStyle::SP_ArrowBack, QStringLiteral("后退"), QKeySequence::Back);
  QAction* forward = addCommand(bar, QStyle::SP_ArrowForward, QStringLiteral("前进"), QKeySequence::Forward);
  QAction* contents =
      addCommand(bar, QStyle::SP_DirHomeIcon, QStringLiteral("目录"), QKeySequence(Qt::ALT | Qt::Key_Home));
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
  connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
  connect(contents, &QAction::triggered, browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

  auto* close = new QAction(QStringLiteral("关闭"), this);
  close->setShortcut(QKeySequence::Close);
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);
}

void ManualWindow::showPageTitle(const QUrl& page) {
  const bool contents = page.adjusted(QUrl::RemoveFragment) == contentsPage();
  setWindowTitle(contents ? kManualTitle : kManualTitle + QStringLiteral(" – ") + browser_->documentTitle());
}

}  // namespace velmora
