// The worksheet as a document that knows nothing of its renderers: sections
// with a heading, each a list of paragraphs, tables and at most one picture.
// Every text is UTF-8 and already formatted; a renderer only lays it out.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace velmora {

struct Paragraph {
  std::string text;
};

/// A table with one header row; cells are texts, numbers right-aligned.
struct Table {
  std::string caption;              ///< may be empty
  std::vector<std::string> header;  ///< one text per column
  std::vector<std::vector<std::string>> rows;
  std::size_t labelColumns = 1;  ///< the leading columns holding names, aligned left
  std::size_t noteColumns = 0;   ///< the trailing columns holding words, aligned left; the others hold numbers

  /// Whether column c holds words (left-aligned) rather than numbers.
  bool holdsWords(std::size_t c) const { return c < labelColumns || c + noteColumns >= header.size(); }
};

/// A drawing: SVG for the HTML form, one line saying why it is left out for the text form.
struct Picture {
  std::string svg;
  std::string textStandIn;
};

using Block = std::variant<Paragraph, Table, Picture>;

struct Section {
  std::string heading;
  std::vector<Block> blocks;
};

struct WorksheetDocument {
  std::string title;
  std::vector<Section> sections;
};

}  // namespace velmora
