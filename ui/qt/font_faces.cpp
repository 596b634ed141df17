#include "ui/qt/font_faces.h"

#include <QFontDatabase>

namespace velmora {
namespace {

const QString kMsSansSerif = QStringLiteral("MS Sans Serif");
const QString kMicrosoftSansSerif = QStringLiteral("Microsoft Sans Serif");

QFont boldFont(QStringList families, double points) {
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

QStringList withFirst(const QString& face, QStringList faces) {
  faces.removeAll(face);
  faces.prepend(face);
  return faces;
}

}  // namespace

QStringList serifFaces() {
  return {QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"),
          QStringLiteral("AR PL UMing TW"), QStringLiteral("WenQuanYi Zen Hei")};
}

QStringList worksheetFaces() {
  return QStringList{QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Serif CJK SC"),
                     QStringLiteral("Noto Sans CJK SC")} +
         serifFaces();
}

QStringList sansFaces() {
  return {kMsSansSerif, kMicrosoftSansSerif, QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("AR PL UMing CN")};
}

QStringList monoFaces() {
  QStringList faces{QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Sans Mono CJK TC"),
                    QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
  return faces + sansFaces();
}

QFont formFont(FormFont font) {
  switch (font) {
    case FormFont::SongTi9: return boldFont(serifFaces(), 9.0);
    case FormFont::MsSansSerif8: return boldFont(sansFaces(), 8.25);
    case FormFont::MsSansSerif13: return boldFont(sansFaces(), 13.5);
    case FormFont::MicrosoftSansSerif8: return boldFont(withFirst(kMicrosoftSansSerif, sansFaces()), 8.25);
    case FormFont::MicrosoftSansSerif10: return boldFont(withFirst(kMicrosoftSansSerif, sansFaces()), 9.75);
    case FormFont::MicrosoftSansSerif14: return boldFont(withFirst(kMicrosoftSansSerif, sansFaces()), 14.25);
  }
  return boldFont(sansFaces(), 8.25);
}

QFont printFont(const std::string& faceName, int points) {
  QStringList families = serifFaces();
  if (!faceName.empty()) families = withFirst(QString::fromStdString(faceName), families);
  QFont font;
  font.setFamilies(families);
  font.setPointSize(points);
  return font;
}

}  // namespace velmora
