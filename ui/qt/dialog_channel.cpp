#include "ui/qt/dialog_channel.h"

#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/qt/prompt_dialog.h"

namespace velmora {

std::optional<std::string> DialogChannel::ask(QWidget& window, const std::string& prompt, const PromptOffer& offer) {
  PromptDialog dialog(prompt, offer, &window);
  std::optional<std::string> reply = dialog.reply();
  cancelled_ = !reply;
  return reply;
}

void DialogChannel::tell(QWidget& window, const std::string& message) {
  QMessageBox::warning(&window, window.windowTitle(), QString::fromStdString(message));
}

bool DialogChannel::print(QWidget& window, const std::function<void(QPrinter&)>& render) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog preview(&printer, &window);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&render](QPrinter* target) { render(*target); });
  return preview.exec() == QDialog::Accepted;
}

}  // namespace velmora
