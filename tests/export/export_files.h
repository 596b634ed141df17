// Helpers of the export tests (the console's and the window's): velmora-cli run
// through the shell in a fresh directory, and the exported files read back by
// readers of their own (libxml2 for the workbook's sheets and the Gama network,
// dxflib for the drawing).
#pragma once

#include <dxflib/dl_creationadapter.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace velmora {

/// A fresh directory under the system's temporary directory, removed afterwards;
/// its name carries the process id, so tests run side by side (ctest -j) never share one.
class ScratchDirectory {
 public:
  explicit ScratchDirectory(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / ("velmora-export-" + name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchDirectory() { std::filesystem::remove_all(path_); }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  /// The names of the files in it, sorted.
  std::vector<std::string> names() const {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) found.push_back(entry.path().filename());
    std::sort(found.begin(), found.end());
    return found;
  }

 private:
  std::filesystem::path path_;
};

inline std::string fileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

/// The exit status of `command` run by the shell.
inline int shellStatus(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

/// A parsed XML document with XPath queries; the default namespace bound to the prefix `n`.
class XmlDocument {
 public:
  XmlDocument(const std::string& text, const char* defaultNamespace)
      : document_(xmlReadMemory(text.data(), static_cast<int>(text.size()), "export.xml", nullptr, XML_PARSE_NONET),
                  xmlFreeDoc) {
    if (!document_) return;
    context_.reset(xmlXPathNewContext(document_.get()));
    xmlXPathRegisterNs(context_.get(), reinterpret_cast<const xmlChar*>("n"),
                       reinterpret_cast<const xmlChar*>(defaultNamespace));
  }
  bool parsed() const { return document_ != nullptr; }

  /// Each node the query selects, as its attributes and its text.
  std::vector<std::map<std::string, std::string>> nodes(const std::string& query) const {
    std::vector<std::map<std::string, std::string>> found;
    xmlXPathObjectPtr result = xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(query.c_str()), context_.get());
    if (!result) return found;
    for (int i = 0; result->nodesetval && i < result->nodesetval->nodeNr; ++i) {
      xmlNodePtr node = result->nodesetval->nodeTab[i];
      std::map<std::string, std::string> attributes;
      for (xmlAttrPtr attribute = node->properties; attribute; attribute = attribute->next) {
        xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attribute));
        attributes[reinterpret_cast<const char*>(attribute->name)] = reinterpret_cast<const char*>(value);
        xmlFree(value);
      }
      xmlChar* text = xmlNodeGetContent(node);
      attributes["#text"] = reinterpret_cast<const char*>(text);
      xmlFree(text);
      found.push_back(attributes);
    }
    xmlXPathFreeObject(result);
    return found;
  }

 private:
  struct ContextFree {
    void operator()(xmlXPathContextPtr context) const { xmlXPathFreeContext(context); }
  };
  std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> document_;
  std::unique_ptr<xmlXPathContext, ContextFree> context_;
};

inline std::string quoted(const std::string& text) { return "'" + text + "'"; }

/// A sheet's cells by reference ("C2"): the value's text and whether it is a text cell.
struct Cell {
  std::string text;
  bool isText = false;
  int style = 0;
};
inline std::map<std::string, Cell> sheetCells(const std::string& workbook, const std::string& sheet) {
  const XmlDocument xml(
      [&] {
        const std::string unpacked = workbook + "." + sheet + ".xml";
        shellStatus("unzip -p " + quoted(workbook) + " xl/worksheets/" + sheet + ".xml > " + quoted(unpacked));
        return fileText(unpacked);
      }(),
      "http://schemas.openxmlformats.org/spreadsheetml/2006/main");
  std::map<std::string, Cell> cells;
  for (const auto& cell : xml.nodes("//n:sheetData/n:row/n:c")) {
    const auto type = cell.find("t");
    const auto style = cell.find("s");
    cells[cell.at("r")] = {cell.at("#text"), type != cell.end() && type->second != "n",
                           style == cell.end() ? 0 : std::stoi(style->second)};
  }
  return cells;
}

/// What dxflib's reader finds in the drawing, by layer.
struct DrawingContent : DL_CreationAdapter {
  std::vector<std::string> layers;
  std::map<std::string, std::vector<std::pair<double, double>>> points;
  std::map<std::string, int> lines;
  std::map<std::string, std::vector<std::string>> texts;
  int ellipses = 0;
  void addLayer(const DL_LayerData& data) override { layers.push_back(data.name); }
  void addPoint(const DL_PointData& data) override { points[attributes.getLayer()].push_back({data.x, data.y}); }
  void addLine(const DL_LineData&) override { ++lines[attributes.getLayer()]; }
  void addText(const DL_TextData& data) override { texts[attributes.getLayer()].push_back(data.text); }
  void addEllipse(const DL_EllipseData&) override {
    ellipses += attributes.getLayer() == "\\U+8BEF\\U+5DEE\\U+692D\\U+5706";
  }
};

}  // namespace velmora
