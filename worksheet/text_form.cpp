#include "worksheet/text_form.h"

#include <algorithm>
#include <vector>

#include "worksheet/display_width.h"

namespace velmora {
namespace {

constexpr std::size_t kColumnGap = 2;

std::string repeated(std::string_view piece, std::size_t times) {
  std::string text;
  for (std::size_t i = 0; i < times; ++i) text += piece;
  return text;
}

/// Lines of at most kTextColumns columns: broken at a space where one is near, else between characters.
std::string wrapped(const std::string& text) {
  std::string out;
  std::string line;
  std::size_t width = 0;
  std::size_t lastSpace = std::string::npos;
  for (std::size_t at = 0; at < text.size(); at += characterLength(text, at)) {
    const std::size_t length = characterLength(text, at);
    const std::size_t w = characterWidth(text, at);
    if (width + w > kTextColumns) {
      const bool atSpace = lastSpace != std::string::npos;
      const std::string rest = atSpace ? line.substr(lastSpace + 1) : "";
      out += (atSpace ? line.substr(0, lastSpace) : line) + "\n";
      line = rest;
      width = displayWidth(line);
      lastSpace = std::string::npos;
    }
    if (text[at] == ' ') lastSpace = line.size();
    line.append(text, at, length);
    width += w;
  }
  return out + line + "\n";
}

std::string padded(const std::string& cell, std::size_t width, bool right) {
  const std::string fill(width - std::min(width, displayWidth(cell)), ' ');
  return right ? fill + cell : cell + fill;
}

std::vector<std::size_t> columnWidths(const Table& table) {
  std::vector<std::size_t> widths(table.header.size(), 0);
  for (std::size_t c = 0; c < widths.size(); ++c) widths[c] = displayWidth(table.header[c]);
  for (const std::vector<std::string>& row : table.rows) {
    for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
      widths[c] = std::max(widths[c], displayWidth(row[c]));
  }
  return widths;
}

/// The columns of each part of a table that fits the line: the name columns, then as many others as fit.
std::vector<std::vector<std::size_t>> columnGroups(const Table& table, const std::vector<std::size_t>& widths) {
  const std::size_t labels = std::min(table.labelColumns, widths.size());
  std::size_t labelWidth = 0;
  for (std::size_t c = 0; c < labels; ++c) labelWidth += widths[c] + (c > 0 ? kColumnGap : 0);
  std::vector<std::vector<std::size_t>> groups;
  std::vector<std::size_t> group;
  std::size_t used = labelWidth;
  for (std::size_t c = labels; c < widths.size(); ++c) {
    const std::size_t more = widths[c] + (used > 0 ? kColumnGap : 0);
    if (!group.empty() && used + more > kTextColumns) {
      groups.push_back(group);
      group.clear();
      used = labelWidth;
    }
    group.push_back(c);
    used += widths[c] + (used > 0 ? kColumnGap : 0);
  }
  if (!group.empty() || groups.empty()) groups.push_back(group);
  for (std::vector<std::size_t>& g : groups) {
    for (std::size_t c = labels; c-- > 0;) g.insert(g.begin(), c);
  }
  return groups;
}

std::string tableLine(const Table& table, const std::vector<std::string>& cells,
                      const std::vector<std::size_t>& columns, const std::vector<std::size_t>& widths) {
  std::string line;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const std::size_t c = columns[i];
    const std::string cell = c < cells.size() ? cells[c] : "";
    if (i > 0) line += std::string(kColumnGap, ' ');
    line += padded(cell, widths[c], !table.holdsWords(c));
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return wrapped(line);
}

std::string tableText(const Table& table) {
  std::string text = table.caption.empty() ? "" : wrapped(table.caption);
  const std::vector<std::size_t> widths = columnWidths(table);
  const std::vector<std::vector<std::size_t>> groups = columnGroups(table, widths);
  for (std::size_t g = 0; g < groups.size(); ++g) {
    if (g > 0) text += "\n";
    std::size_t ruleWidth = 0;
    for (std::size_t i = 0; i < groups[g].size(); ++i) ruleWidth += widths[groups[g][i]] + (i > 0 ? kColumnGap : 0);
    const std::string rule = repeated("-", std::min(ruleWidth, kTextColumns)) + "\n";
    text += tableLine(table, table.header, groups[g], widths) + rule;
    for (const std::vector<std::string>& row : table.rows) {
      text += tableLine(table, row, groups[g], widths);
    }
  }
  return text;
}

std::string blockText(const Block& block) {
  if (const auto* paragraph = std::get_if<Paragraph>(&block)) return wrapped(paragraph->text);
  if (const auto* table = std::get_if<Table>(&block)) return tableText(*table) + "\n";
  return wrapped(std::get<Picture>(block).textStandIn);
}

}  // namespace

std::string worksheetText(const WorksheetDocument& document) {
  std::string text =
      wrapped(document.title) + repeated("=", std::min(displayWidth(document.title), kTextColumns)) + "\n";
  for (const Section& section : document.sections) {
    text +=
        "\n" + wrapped(section.heading) + repeated("-", std::min(displayWidth(section.heading), kTextColumns)) + "\n";
    for (const Block& block : section.blocks) text += blockText(block);
  }
  return text;
}

}  // namespace velmora
