#include "ui/qt/recovered_figure.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>

namespace velmora {
namespace {

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");
const QString kFileKey = QStringLiteral("file");
const QString kRecordLineKey = QStringLiteral("recordLine");
const QString kTextsKey = QStringLiteral("texts");
const QString kFormat = QStringLiteral("velmora-recovery");
constexpr int kVersion = 1;
/// The largest line a JSON number holds exactly.
constexpr double kLastLine = 9007199254740992.0;

QString labelOf(std::size_t entry) {
  const std::string_view label = sheetEntries()[entry].label;
  return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

QJsonObject textsObject(const SheetTexts& texts) {
  QJsonObject object;
  for (std::size_t entry = 0; entry < kSheetEntries; ++entry) {
    object.insert(labelOf(entry), QString::fromStdString(texts[entry]));
  }
  return object;
}

std::optional<SheetTexts> textsOf(const QJsonValue& value) {
  if (!value.isObject()) return std::nullopt;
  const QJsonObject object = value.toObject();
  SheetTexts texts;
  for (std::size_t entry = 0; entry < kSheetEntries; ++entry) {
    const QJsonValue text = object.value(labelOf(entry));
    if (!text.isString()) return std::nullopt;
    texts[entry] = text.toString().toStdString();
  }
  return texts;
}

/// A whole line number from 1, or none when `value` is not one.
std::optional<std::size_t> lineOf(const QJsonValue& value) {
  if (!value.isDouble()) return std::nullopt;
  const double line = value.toDouble();
  if (line < 1 || line > kLastLine || std::floor(line) != line) return std::nullopt;
  return static_cast<std::size_t>(line);
}

bool isThisFormat(const QJsonObject& object) {
  return object.value(kFormatKey) == kFormat && object.value(kVersionKey) == kVersion;
}

}  // namespace

QByteArray recoveryText(const RecoveredFigure& figure) {
  QJsonObject object;
  object.insert(kFormatKey, kFormat);
  object.insert(kVersionKey, kVersion);
  object.insert(kFileKey, figure.file.isEmpty() ? QJsonValue() : QJsonValue(figure.file));
  object.insert(kRecordLineKey, figure.recordLine ? QJsonValue(static_cast<double>(*figure.recordLine)) : QJsonValue());
  object.insert(kTextsKey, textsObject(figure.texts));
  return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

std::optional<RecoveredFigure> recoveredFigureOf(const QByteArray& text) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(text, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  const QJsonObject object = document.object();
  if (!isThisFormat(object)) return std::nullopt;

  RecoveredFigure figure;
  const std::optional<SheetTexts> texts = textsOf(object.value(kTextsKey));
  if (!texts) return std::nullopt;
  figure.texts = *texts;

  const QJsonValue file = object.value(kFileKey);
  if (!file.isNull()) {
    if (!file.isString() || file.toString().isEmpty()) return std::nullopt;
    figure.file = file.toString();
  }
  const QJsonValue line = object.value(kRecordLineKey);
  if (!line.isNull()) {
    figure.recordLine = lineOf(line);
    if (!figure.recordLine || figure.file.isEmpty()) return std::nullopt;
  }
  return figure;
}

}  // namespace velmora
