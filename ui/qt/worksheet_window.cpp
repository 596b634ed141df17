#include "ui/qt/worksheet_window.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/qt/screen_fit.h"
#include "ui/qt/worksheet_pages.h"

namespace velmora {

WorksheetWindow::WorksheetWindow(std::unique_ptr<QTextDocument> document, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window), document_(std::move(document)), browser_(new QTextBrowser(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("worksheetWindow"));
  setWindowTitle(title);
  browser_->setObjectName(QStringLiteral("worksheetBrowser"));
  browser_->setDocument(document_.get());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* print = buttons->addButton(QStringLiteral("打印(&P)…"), QDialogButtonBox::ActionRole);
  print->setObjectName(QStringLiteral("printWorksheet"));
  connect(print, &QPushButton::clicked, this, &WorksheetWindow::printDocument);
  connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
  // Escape closes it as it closes a dialog: the window reads like one.
  new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close, Qt::WindowShortcut);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addWidget(buttons);
  resize(900, 760);
  boundToScreen(*this, parent);
}

// The browser shows the document it does not own: it goes first.
WorksheetWindow::~WorksheetWindow() { delete browser_; }

void WorksheetWindow::printDocument() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  // The page layout is the printer's as chosen; the document is laid out on it and each page painted.
  document_->print(&printer);
}

}  // namespace velmora
