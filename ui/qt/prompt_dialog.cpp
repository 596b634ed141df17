#include "ui/qt/prompt_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

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

PromptDialog::PromptDialog(const std::string& prompt, PromptOffer offer, QWidget* parent)
    : QDialog(parent), offer_(std::move(offer)) {
  setWindowTitle(parent->windowTitle());
  setModal(true);
  setFont(promptFont());

  auto* text = new QLabel(QString::fromStdString(prompt), this);
  text->setTextFormat(Qt::PlainText);
  text->setWordWrap(true);
  text->setMinimumWidth(kPromptWidthPixels);
  replyLine_ = new QLineEdit(this);
  problemLine_ = new QLabel(this);

  replyLine_->setText(QString::fromStdString(offer_.value));
  replyLine_->selectAll();
  problemLine_->setObjectName(QStringLiteral("problem"));
  problemLine_->setTextFormat(Qt::PlainText);
  problemLine_->setStyleSheet(QStringLiteral("color: #c00000;"));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  okButton_ = buttons->button(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(replyLine_, &QLineEdit::textChanged, this, &PromptDialog::checkReply);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(replyLine_);
  layout->addWidget(problemLine_);
  layout->addWidget(buttons);
  checkReply();
  replyLine_->setFocus();
}

std::optional<std::string> PromptDialog::reply() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return replyLine_->text().toStdString();
}

void PromptDialog::checkReply() {
  const std::optional<std::string> problem =
      offer_.problem ? offer_.problem(replyLine_->text().toStdString()) : std::nullopt;
  okButton_->setEnabled(!problem);
  problemLine_->setText(problem ? QString::fromStdString(*problem) : QString());
  problemLine_->setVisible(problem.has_value());
}

}  // namespace velmora
