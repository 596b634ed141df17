#include "worksheet/html_form.h"

#include "input/text_escaping.h"

namespace velmora {
namespace {

constexpr const char* kStyle =
    "@page { size: A4; margin: 15mm 12mm; }\n"
    "body { font-family: 'DejaVu Serif', 'Noto Serif CJK SC', 'Noto Sans CJK SC', serif; font-size: 10pt; }\n"
    "h1 { font-size: 16pt; text-align: center; margin: 0 0 8pt 0; }\n"
    "h2 { font-size: 12pt; margin: 12pt 0 4pt 0; border-bottom: 1px solid #444; page-break-after: avoid; }\n"
    "p { margin: 2pt 0; }\n"
    "table { border-collapse: collapse; margin: 4pt 0 8pt 0; }\n"
    "caption { text-align: left; font-weight: bold; padding: 2pt 0; }\n"
    "thead { display: table-header-group; }\n"
    "tr { page-break-inside: avoid; }\n"
    "th, td { border: 1px solid #888; padding: 2pt 5pt; }\n"
    "th { background: #eee; font-weight: bold; }\n"
    "td.n { text-align: right; font-family: 'Noto Sans Mono CJK SC', monospace; white-space: nowrap; }\n"
    "div.picture { page-break-inside: avoid; text-align: center; }\n";

std::string element(const char* name, std::string_view text, const char* attributes = "") {
  return std::string("<") + name + attributes + ">" + xmlText(text) + "</" + name + ">";
}

std::string tableHtml(const Table& table) {
  std::string html = "<table cellspacing=\"0\" cellpadding=\"4\">\n";
  if (!table.caption.empty()) html += element("caption", table.caption) + "\n";
  html += "<thead><tr>";
  for (const std::string& cell : table.header) html += element("th", cell);
  html += "</tr></thead>\n<tbody>\n";
  for (const std::vector<std::string>& row : table.rows) {
    html += "<tr>";
    for (std::size_t c = 0; c < row.size(); ++c)
      html += element("td", row[c], table.holdsWords(c) ? "" : " class=\"n\"");
    html += "</tr>\n";
  }
  return html + "</tbody>\n</table>\n";
}

/// The SVG without its XML declaration, which may not stand inside a page.
std::string inlineSvg(const std::string& svg) {
  if (!svg.starts_with("<?xml")) return svg;
  const std::size_t end = svg.find("?>");
  return end == std::string::npos ? std::string() : svg.substr(end + 2);
}

std::string pictureHtml(const Picture& picture, const HtmlOptions& options) {
  if (options.pictureImage.empty()) return "<div class=\"picture\">" + inlineSvg(picture.svg) + "</div>\n";
  return "<div class=\"picture\"><img src=\"" + xmlText(options.pictureImage) + "\" width=\"" +
         std::to_string(options.pictureWidth) + "\" height=\"" + std::to_string(options.pictureHeight) + "\" alt=\"" +
         xmlText(picture.textStandIn) + "\"/></div>\n";
}

std::string blockHtml(const Block& block, const HtmlOptions& options) {
  if (const auto* paragraph = std::get_if<Paragraph>(&block)) return element("p", paragraph->text) + "\n";
  if (const auto* table = std::get_if<Table>(&block)) return tableHtml(*table);
  return pictureHtml(std::get<Picture>(block), options);
}

}  // namespace

std::string worksheetHtml(const WorksheetDocument& document, const HtmlOptions& options) {
  std::string html = "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"zh-CN\">\n<head>\n";
  html += "<meta charset=\"utf-8\"/>\n" + element("title", document.title) + "\n<style>\n" + kStyle +
          "</style>\n</head>\n<body>\n";
  html += element("h1", document.title) + "\n";
  for (const Section& section : document.sections) {
    html += element("h2", section.heading) + "\n";
    for (const Block& block : section.blocks) html += blockHtml(block, options);
  }
  return html + "</body>\n</html>\n";
}

}  // namespace velmora
