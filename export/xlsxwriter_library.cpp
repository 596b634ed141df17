#include "export/xlsxwriter_library.h"

#include <dlfcn.h>

#include <bit>

namespace velmora {
namespace {

/// Finds `name` in `library` into `function`; false, with the reason in
/// `problem`, when the library lacks it.
template <typename Function>
bool find(void* library, const char* name, Function& function, std::string& problem) {
  function = std::bit_cast<Function>(dlsym(library, name));
  if (function == nullptr) problem = std::string(VELMORA_XLSXWRITER_LIBRARY " 缺少函数 ") + name;
  return function != nullptr;
}

LoadedXlsxWriter load() {
  void* library = dlopen(VELMORA_XLSXWRITER_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) return {nullptr, std::string("不能载入 ") + dlerror()};
  static XlsxWriter functions{};
  std::string problem;
  const bool found = find(library, "workbook_new_opt", functions.workbook_new_opt, problem) &&
                     find(library, "workbook_add_format", functions.workbook_add_format, problem) &&
                     find(library, "workbook_add_worksheet", functions.workbook_add_worksheet, problem) &&
                     find(library, "workbook_close", functions.workbook_close, problem) &&
                     find(library, "lxw_workbook_free", functions.lxw_workbook_free, problem) &&
                     find(library, "format_set_bold", functions.format_set_bold, problem) &&
                     find(library, "format_set_num_format", functions.format_set_num_format, problem) &&
                     find(library, "worksheet_set_column", functions.worksheet_set_column, problem) &&
                     find(library, "worksheet_freeze_panes", functions.worksheet_freeze_panes, problem) &&
                     find(library, "worksheet_write_string", functions.worksheet_write_string, problem) &&
                     find(library, "worksheet_write_number", functions.worksheet_write_number, problem) &&
                     find(library, "lxw_strerror", functions.lxw_strerror, problem);
  if (!found) return {nullptr, problem};
  return {&functions, {}};
}

}  // namespace

const LoadedXlsxWriter& xlsxWriter() {
  static const LoadedXlsxWriter loaded = load();
  return loaded;
}

}  // namespace velmora
