// Helpers of the export tests: velmora-cli run through the shell in a fresh
// directory, and the exported files read back by readers of their own
// (libxml2 for the workbook's sheets and the Gama network, dxflib for the drawing).
#pragma once

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

}  // namespace velmora
