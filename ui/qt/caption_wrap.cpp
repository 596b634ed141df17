#include "ui/qt/caption_wrap.h"

#include <QStringList>

namespace velmora {
namespace {

constexpr QChar kBlank = QLatin1Char(' ');

/// One word of the caption and the blanks before it.
struct Word {
  QString blanks;
  QString text;
};

QList<Word> splitWords(const QString& caption) {
  QList<Word> words;
  qsizetype at = 0;
  while (at < caption.size()) {
    Word word;
    while (at < caption.size() && caption[at] == kBlank) word.blanks += caption[at++];
    while (at < caption.size() && caption[at] != kBlank) word.text += caption[at++];
    if (!word.text.isEmpty()) words.append(word);
  }
  return words;
}

/// Length of the longest start of `text` that fits, at least one character
/// (a surrogate pair stays whole).
qsizetype fittingPrefix(const QString& text, double maxWidth, const std::function<double(const QString&)>& widthOf) {
  qsizetype length = text[0].isHighSurrogate() && text.size() > 1 ? 2 : 1;
  while (length < text.size()) {
    const qsizetype next = text[length].isHighSurrogate() && length + 1 < text.size() ? length + 2 : length + 1;
    if (widthOf(text.left(next)) > maxWidth) break;
    length = next;
  }
  return length;
}

class LineFiller {
 public:
  LineFiller(double maxWidth, const std::function<double(const QString&)>& widthOf)
      : maxWidth_(maxWidth), widthOf_(widthOf) {}

  void add(const Word& word) {
    const QString joined = line_ + word.blanks + word.text;
    if (line_.isEmpty() || widthOf_(joined) <= maxWidth_) {
      line_ = joined;
    } else {
      lines_.append(line_);
      line_ = word.text;
    }
    splitOverlongLine();
  }

  QString finish() {
    if (!line_.isEmpty() || lines_.isEmpty()) lines_.append(line_);
    return lines_.join(QLatin1Char('\n'));
  }

 private:
  /// A line that holds one word wider than the label breaks inside that word.
  void splitOverlongLine() {
    while (widthOf_(line_) > maxWidth_ && line_.size() > 1) {
      const qsizetype length = fittingPrefix(line_, maxWidth_, widthOf_);
      lines_.append(line_.left(length));
      line_ = line_.mid(length);
    }
  }

  double maxWidth_;
  const std::function<double(const QString&)>& widthOf_;
  QStringList lines_;
  QString line_;
};

}  // namespace

QString wrapCaption(const QString& caption, double maxWidth, const std::function<double(const QString&)>& widthOf) {
  if (widthOf(caption) <= maxWidth) return caption;
  LineFiller filler(maxWidth, widthOf);
  for (const Word& word : splitWords(caption)) filler.add(word);
  return filler.finish();
}

}  // namespace velmora
