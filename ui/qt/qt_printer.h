// The five printer operations over QPainter on a QPrinter, so one code path
// prints on paper or into a PDF file. Positions in twips become device pixels
// through the printer's resolution; columns are the current font's average
// character width; the line height is the font's line spacing. A page that is
// full continues on a new page.
#pragma once

#include <QFont>
#include <QPainter>
#include <string>
#include <vector>

#include "report/printer.h"

class QPrinter;

namespace velmora {

class QtPrinter final : public Printer {
 public:
  /// The document begins with the first line, so nothing that prints no line
  /// (a refused report) opens a print job or a file.
  explicit QtPrinter(QPrinter& device);
  ~QtPrinter() override;
  QtPrinter(const QtPrinter&) = delete;
  QtPrinter& operator=(const QtPrinter&) = delete;

  void setPrintPosition(int xTwips, int yTwips) override;
  /// The empty name selects a face that can show Chinese texts.
  void setPrintFontName(const std::string& faceName) override;
  void setPrintFontSize(int points) override;
  void printLine(const std::vector<PrintItem>& items) override;
  void endPrintDocument() override;

  /// True when the printer or its output file could not be opened; nothing
  /// was printed then.
  bool failed() const { return failed_; }

 private:
  void beginDocument();
  void applyFont();
  double columnWidth() const;
  void startLineOnPage(double lineHeight);

  QPrinter& device_;
  QPainter painter_;
  std::string faceName_;
  int points_ = 12;
  QFont font_;
  double x_ = 0.0;  ///< device pixels from the printable area's left edge
  double y_ = 0.0;  ///< device pixels from its top edge, top of the next line
  bool failed_ = false;
};

}  // namespace velmora
