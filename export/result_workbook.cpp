#include "export/result_workbook.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <span>
#include <string_view>
#include <vector>

#include "export/xlsxwriter_library.h"
#include "output/shortest_number.h"

namespace velmora {
namespace {

enum class Shown { Metres, Seconds, Millimetres, Whole, General };

using R = const AdjustmentResults&;

/// A single-precision result as the double of its shortest text, the number
/// JSON Lines and CSV print: mb 1.6 in the cell, not 1.6000000238418579.
std::optional<double> asPrinted(float value) {
  std::string text;
  appendShortest(text, value);
  double printed = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), printed);
  return printed;
}

struct NumberColumn {
  std::string_view title;
  Shown shown;
  std::optional<double> (*value)(R results);
};

constexpr std::array<NumberColumn, 14> kResultColumns{{
    {"P 的 x（米）", Shown::Metres, [](R r) -> std::optional<double> { return r.xp1; }},
    {"P 的 y（米）", Shown::Metres, [](R r) -> std::optional<double> { return r.yp1; }},
    {"单位权中误差 mb（秒）", Shown::Seconds, [](R r) { return asPrinted(r.mb); }},
    {"点位中误差 md（毫米）", Shown::Millimetres, [](R r) { return asPrinted(r.md); }},
    {"相对中误差 1/m 的 m", Shown::Whole, [](R r) { return r.m ? asPrinted(*r.m) : std::nullopt; }},
    {"方位角权倒数 1/pb", Shown::General, [](R r) -> std::optional<double> { return r.invPb; }},
    {"边长权倒数 1/ps", Shown::General, [](R r) -> std::optional<double> { return r.invPs; }},
    {"闭合差 w(1)（秒）", Shown::Seconds, [](R r) { return asPrinted(r.w[1]); }},
    {"闭合差 w(2)（秒）", Shown::Seconds, [](R r) { return asPrinted(r.w[2]); }},
    {"闭合差 w(3)（秒）", Shown::Seconds, [](R r) { return asPrinted(r.w[3]); }},
    {"第二组闭合差 w1（秒）", Shown::Seconds, [](R r) { return asPrinted(r.secondGroupW[1]); }},
    {"第二组闭合差 w2（秒）", Shown::Seconds, [](R r) { return asPrinted(r.secondGroupW[2]); }},
    {"第二组闭合差 w3（秒）", Shown::Seconds, [](R r) { return asPrinted(r.secondGroupW[3]); }},
    {"边长条件闭合差 w4（对数第六位）", Shown::Seconds, [](R r) { return asPrinted(r.secondGroupW[4]); }},
}};

using C = const RigorousCheck&;

struct CheckColumn {
  std::string_view title;
  Shown shown;
  double (*value)(C check);
};

constexpr std::array<CheckColumn, 10> kCheckColumns{{
    {"严密平差 P 的 x（米）", Shown::Metres, [](C c) { return c.p.x; }},
    {"严密平差 P 的 y（米）", Shown::Metres, [](C c) { return c.p.y; }},
    {"单位权中误差 m0（秒）", Shown::Seconds, [](C c) { return c.m0; }},
    {"mx（毫米）", Shown::Millimetres, [](C c) { return c.mx; }},
    {"my（毫米）", Shown::Millimetres, [](C c) { return c.my; }},
    {"点位中误差 mp（毫米）", Shown::Millimetres, [](C c) { return c.mp; }},
    {"误差椭圆长半轴 a（毫米）", Shown::Millimetres, [](C c) { return c.ellipse.a; }},
    {"误差椭圆短半轴 b（毫米）", Shown::Millimetres, [](C c) { return c.ellipse.b; }},
    {"长轴方位角（度）", Shown::General, [](C c) { return c.ellipse.azimuth; }},
    {"迭代次数", Shown::Whole, [](C c) { return static_cast<double>(c.iterations); }},
}};

constexpr std::string_view kLineTitle = "行号";
constexpr std::string_view kNameTitle = "点名";
constexpr std::string_view kHighestTitle = "满足的最高等级";
constexpr std::array<std::string_view, 2> kErrorTitles{"出错的列", "错误信息"};
constexpr std::array<std::string_view, 2> kGradeTitles{"检核等级", "结论"};

/// Columns a text takes on screen: a CJK character (three UTF-8 bytes) two, ASCII one.
double displayWidth(std::string_view text) {
  double width = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80)
      width += 1;
    else if (byte >= 0xE0)
      width += 2;
  }
  return width;
}

}  // namespace

/// The workbook and its sheets, with the row each writes next.
struct ResultWorkbook::Sheets {
  const XlsxWriter* lxw = nullptr;
  lxw_workbook* book = nullptr;
  lxw_worksheet* results = nullptr;
  lxw_worksheet* check = nullptr;
  lxw_format* title = nullptr;
  std::array<lxw_format*, 5> shown{};
  lxw_row_t resultRow = 0;
  lxw_row_t checkRow = 0;

  lxw_format* formatOf(Shown kind) const { return shown[static_cast<std::size_t>(kind)]; }

  void text(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t& column, std::string_view value) const {
    const std::string owned(value);
    lxw->worksheet_write_string(sheet, row, column++, owned.c_str(), nullptr);
  }
  void number(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t& column, std::optional<double> value, Shown kind) const {
    if (value) lxw->worksheet_write_number(sheet, row, column, *value, formatOf(kind));
    ++column;
  }
  void titles(lxw_worksheet* sheet, std::span<const std::string_view> names, lxw_col_t first) const {
    for (std::size_t i = 0; i < names.size(); ++i) {
      const auto column = static_cast<lxw_col_t>(first + i);
      const std::string owned(names[i]);
      lxw->worksheet_write_string(sheet, 0, column, owned.c_str(), title);
      lxw->worksheet_set_column(sheet, column, column, std::max(10.0, displayWidth(names[i]) + 2), nullptr);
    }
  }
  void lineAndName(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t& column, std::optional<std::size_t> line,
                   const std::string* name) const {
    number(sheet, row, column, line ? std::optional<double>(static_cast<double>(*line)) : std::nullopt, Shown::Whole);
    if (name)
      text(sheet, row, column, *name);
    else
      ++column;
  }
};

ResultWorkbook::ResultWorkbook(const std::string& path, WorkbookParts parts)
    : file_(path), parts_(parts), sheets_(std::make_unique<Sheets>()) {
  if (!file_.problem().empty()) return;
  const LoadedXlsxWriter& library = xlsxWriter();
  if (library.functions == nullptr) {
    libraryProblem_ = library.problem;
    return;
  }
  const XlsxWriter& lxw = *library.functions;
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;
  Sheets& s = *sheets_;
  s.lxw = &lxw;
  s.book = lxw.workbook_new_opt(file_.temporaryPath().c_str(), &options);
  if (!s.book) return;
  s.title = lxw.workbook_add_format(s.book);
  lxw.format_set_bold(s.title);
  constexpr std::array<const char*, 5> kFormats{"0.000", "0.00", "0.00", "0", "General"};
  for (std::size_t i = 0; i < kFormats.size(); ++i) {
    s.shown[i] = lxw.workbook_add_format(s.book);
    lxw.format_set_num_format(s.shown[i], kFormats[i]);
  }
  s.results = lxw.workbook_add_worksheet(s.book, "成果");
  std::vector<std::string_view> titles{kLineTitle, kNameTitle};
  for (const NumberColumn& column : kResultColumns) titles.push_back(column.title);
  titles.push_back(kHighestTitle);
  if (parts_.gradeVerdict) titles.insert(titles.end(), kGradeTitles.begin(), kGradeTitles.end());
  titles.insert(titles.end(), kErrorTitles.begin(), kErrorTitles.end());
  s.titles(s.results, titles, 0);
  lxw.worksheet_set_column(s.results, 1, 1, 16, nullptr);
  lxw.worksheet_set_column(s.results, static_cast<lxw_col_t>(titles.size() - 1),
                           static_cast<lxw_col_t>(titles.size() - 1), 60, nullptr);
  lxw.worksheet_freeze_panes(s.results, 1, 0);
  s.resultRow = 1;
  if (parts_.check) {
    s.check = lxw.workbook_add_worksheet(s.book, "检核");
    std::vector<std::string_view> checkTitles{kLineTitle, kNameTitle};
    for (const CheckColumn& column : kCheckColumns) checkTitles.push_back(column.title);
    s.titles(s.check, checkTitles, 0);
    lxw.worksheet_set_column(s.check, 1, 1, 16, nullptr);
    lxw.worksheet_freeze_panes(s.check, 1, 0);
    s.checkRow = 1;
  }
}

ResultWorkbook::~ResultWorkbook() {
  // A workbook never closed is abandoned: its temporary file goes with `file_`.
  if (sheets_->book) sheets_->lxw->lxw_workbook_free(sheets_->book);
}

void ResultWorkbook::addResult(const WorkbookResult& record) {
  Sheets& s = *sheets_;
  if (!s.book) return;
  const lxw_row_t row = s.resultRow++;
  lxw_col_t column = 0;
  s.lineAndName(s.results, row, column, record.line, &record.name);
  for (const NumberColumn& number : kResultColumns)
    s.number(s.results, row, column, number.value(record.results), number.shown);
  const RunReview& review = record.review;
  s.text(s.results, row, column, review.highest ? review.highest->name : "无");
  if (parts_.gradeVerdict && review.assessment) {
    s.text(s.results, row, column, review.assessment->grade->name);
    s.text(s.results, row, column, review.assessment->passes ? "合格" : "超限");
  }
  if (!parts_.check || !review.check) return;
  const lxw_row_t checkRow = s.checkRow++;
  column = 0;
  s.lineAndName(s.check, checkRow, column, record.line, &record.name);
  for (const CheckColumn& number : kCheckColumns)
    s.number(s.check, checkRow, column, number.value(*review.check), number.shown);
}

void ResultWorkbook::addFailure(std::size_t line, const std::string* name, std::optional<std::string_view> field,
                                std::string_view message) {
  Sheets& s = *sheets_;
  if (!s.book) return;
  const lxw_row_t row = s.resultRow++;
  lxw_col_t column = 0;
  s.lineAndName(s.results, row, column, line, name);
  column = static_cast<lxw_col_t>(column + kResultColumns.size() + 1 + (parts_.gradeVerdict ? kGradeTitles.size() : 0));
  s.text(s.results, row, column, field.value_or(""));
  s.text(s.results, row, column, message);
}

std::string ResultWorkbook::close() {
  if (!file_.problem().empty()) return file_.problem();
  if (!libraryProblem_.empty()) return libraryProblem_;
  Sheets& s = *sheets_;
  if (!s.book) return "工作簿不能创建";
  errno = 0;
  const lxw_error closed = s.lxw->workbook_close(s.book);
  s.book = nullptr;
  // A write the system refused (a full disk, a size limit) is told in the system's words.
  if (closed != LXW_NO_ERROR) return errno != 0 ? std::strerror(errno) : s.lxw->lxw_strerror(closed);
  return file_.commit();
}

}  // namespace velmora
