#include "export/export_format.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace velmora {
namespace {

struct FormatExtension {
  std::string_view extension;
  ExportFormat format;
};

constexpr std::array<FormatExtension, 4> kExtensions{{
    {".xlsx", ExportFormat::Workbook},
    {".xml", ExportFormat::GamaLocal},
    {".dxf", ExportFormat::Drawing},
    {".dat", ExportFormat::CassCoordinates},
}};

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
  if (text.size() <= ending.size()) return false;
  return std::ranges::equal(text.substr(text.size() - ending.size()), ending,
                            [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

}  // namespace

std::optional<ExportFormat> exportFormatOf(std::string_view path) {
  for (const FormatExtension& known : kExtensions) {
    if (endsWithIgnoringCase(path, known.extension)) return known.format;
  }
  return std::nullopt;
}

std::string knownExportExtensions() {
  std::string names;
  for (const FormatExtension& known : kExtensions) {
    if (!names.empty()) names += "、";
    names += known.extension;
  }
  return names;
}

}  // namespace velmora
