#include "ui/qt/prompt_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/qt/font_faces.h"

namespace velmora {
namespace {

constexpr int kPromptWidthPixels = 420;

QFont promptFont() {
  QFont font;
  font.setFamilies(sansFaces());
  font.setPointSize(10);
  return font;
}

}  // namespace

PromptDialog::PromptDialog(const std::string& prompt, QWidget* parent)
    : QDialog(parent), replyLine_(new QLineEdit(this)) {
  setWindowTitle(parent->windowTitle());
  setModal(true);
  setFont(promptFont());

  auto* text = new QLabel(QString::fromStdString(prompt), this);
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setMinimumWidth(kPromptWidthPixels);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(replyLine_);
  layout->addWidget(buttons);
  replyLine_->setFocus();
}

std::string PromptDialog::reply() {
  if (exec() != QDialog::Accepted) return {};
  return replyLine_->text().toStdString();
}

}  // namespace velmora
