// libxlsxwriter, loaded when the first workbook is begun rather than with the
// program: with OpenSSL's libcrypto, which it needs, it costs every start of
// the window some milliseconds, and most sessions write no workbook.
#pragma once

#include <xlsxwriter.h>

#include <string>

namespace velmora {

/// The functions of libxlsxwriter that the result workbook calls, named as
/// the library names them.
struct XlsxWriter {
  decltype(&::workbook_new_opt) workbook_new_opt;
  decltype(&::workbook_add_format) workbook_add_format;
  decltype(&::workbook_add_worksheet) workbook_add_worksheet;
  decltype(&::workbook_close) workbook_close;
  decltype(&::lxw_workbook_free) lxw_workbook_free;
  decltype(&::format_set_bold) format_set_bold;
  decltype(&::format_set_num_format) format_set_num_format;
  decltype(&::worksheet_set_column) worksheet_set_column;
  decltype(&::worksheet_freeze_panes) worksheet_freeze_panes;
  decltype(&::worksheet_write_string) worksheet_write_string;
  decltype(&::worksheet_write_number) worksheet_write_number;
  decltype(&::lxw_strerror) lxw_strerror;
};

/// libxlsxwriter's functions, or none and why the library could not be loaded.
struct LoadedXlsxWriter {
  const XlsxWriter* functions = nullptr;
  std::string problem;
};

/// Loads the library on the first call (from any thread); later calls give the same.
const LoadedXlsxWriter& xlsxWriter();

}  // namespace velmora
