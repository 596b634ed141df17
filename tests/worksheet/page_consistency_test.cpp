// The worksheet's page read back as a student reads it: for a few hundred
// generated figures, [vv] and each condition's residual Σ a·v + w are
// recomputed from the printed coefficients, corrections and misclosures alone
// (no engine code), and must agree with the page's own [vv], −[wk] and checks
// within what the printed rounding allows. So must the sum checks of the
// normal equations and the adjusted angles against the first-group ones.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "worksheet_runs.h"

namespace velmora {
namespace {

constexpr double kSecondsRounding = 0.005;        // 0.01″ printed
constexpr double kCoefficientRounding = 0.00005;  // 4 decimals printed

const Table& captioned(const WorksheetDocument& document, std::string_view prefix) {
  for (const Section& section : document.sections) {
    for (const Block& block : section.blocks) {
      const auto* table = std::get_if<Table>(&block);
      if (table && table->caption.starts_with(prefix)) return *table;
    }
  }
  ADD_FAILURE() << "no table captioned " << prefix;
  static const Table none;
  return none;
}

std::string paragraphWith(const WorksheetDocument& document, std::string_view prefix) {
  for (const Section& section : document.sections) {
    for (const Block& block : section.blocks) {
      const auto* paragraph = std::get_if<Paragraph>(&block);
      if (paragraph && paragraph->text.starts_with(prefix)) return paragraph->text;
    }
  }
  ADD_FAILURE() << "no paragraph " << prefix;
  return {};
}

double number(const std::string& text) { return std::stod(text); }

/// "-29°13′46.87″" in degrees.
double dmsDegrees(const std::string& text) {
  const bool negative = text.starts_with("-");
  const std::size_t degreeSign = text.find("°");
  const std::size_t minuteSign = text.find("′");
  const double d = std::stod(text.substr(negative ? 1 : 0, degreeSign));
  const double m = std::stod(text.substr(degreeSign + std::string("°").size(), minuteSign));
  const double s = std::stod(text.substr(minuteSign + std::string("′").size()));
  const double degrees = d + m / 60.0 + s / 3600.0;
  return negative ? -degrees : degrees;
}

/// The two numbers of "检核：第二组 [vv] = X，−[wk] = Y（秒²）".
std::pair<double, double> vvAndMinusWk(const std::string& text) {
  const std::size_t first = text.find("= ") + 2;
  const std::size_t second = text.find("= ", first) + 2;
  return {std::stod(text.substr(first)), std::stod(text.substr(second))};
}

class PageConsistency : public ::testing::TestWithParam<int> {};

TEST_P(PageConsistency, PrintedCorrectionsSatisfyThePrintedConditions) {
  std::mt19937_64 random(static_cast<std::uint64_t>(GetParam()));
  const figures::FigureOptions options{.noiseSeconds = 0.5 + GetParam() % 4, .secondDecimals = 1 + GetParam() % 2};
  const WorksheetRun run = worksheetRun(figures::randomFigure(random, options, "G" + std::to_string(GetParam())));
  ASSERT_EQ(run.outcome.end, RunEnd::Complete) << run.outcome.message;
  const WorksheetDocument page = worksheetOf(run);

  const Table& coefficients = captioned(page, "条件方程式与权函数式的系数");
  const Table& misclosures = captioned(page, "闭合差");
  const Table& corrections = captioned(page, "改正数 v");
  std::array<double, 10> v{};
  double vvShown = 0.0;
  double vvBound = 0.0;
  for (std::size_t c = 1; c <= 9; ++c) {
    v[c] = number(corrections.rows[c - 1][1]);
    vvShown += v[c] * v[c];
    vvBound += 2.0 * std::fabs(v[c]) * kSecondsRounding + kSecondsRounding * kSecondsRounding;
  }
  const auto [vv, minusWk] = vvAndMinusWk(paragraphWith(page, "检核：第二组 [vv]"));
  EXPECT_NEAR(vvShown, vv, vvBound + kCoefficientRounding);
  EXPECT_NEAR(vv, minusWk, 2 * kCoefficientRounding + 1e-9 * vv);

  for (std::size_t j = 1; j <= 4; ++j) {
    double residual = number(misclosures.rows[j - 1][2]);
    double bound = kSecondsRounding;
    double coefficientSum = 0.0;
    for (std::size_t c = 1; c <= 9; ++c) {
      const double a = number(coefficients.rows[j - 1][c]);
      residual += a * v[c];
      coefficientSum += a;
      bound += std::fabs(a) * kSecondsRounding + kCoefficientRounding * std::fabs(v[c]);
    }
    EXPECT_LE(std::fabs(residual), bound) << "condition w" << j;
    EXPECT_NEAR(number(coefficients.rows[j - 1][10]), coefficientSum, 10 * kCoefficientRounding) << "sum of w" << j;
  }
}

TEST_P(PageConsistency, SumChecksAndAdjustedAnglesAgree) {
  std::mt19937_64 random(static_cast<std::uint64_t>(GetParam()) + 7919);
  const WorksheetRun run = worksheetRun(figures::randomFigure(random, {.noiseSeconds = 2.0}, "S"));
  ASSERT_EQ(run.outcome.end, RunEnd::Complete) << run.outcome.message;
  const WorksheetDocument page = worksheetOf(run);

  for (const char* caption : {"法方程式系数", "法方程式的约化"}) {
    for (const std::vector<std::string>& row : captioned(page, caption).rows) {
      const double carried = number(row[row.size() - 2]);
      const double summed = number(row.back());
      EXPECT_NEAR(carried, summed, 2 * kCoefficientRounding + 1e-9 * std::fabs(carried)) << caption << " " << row[0];
    }
  }
  const Table& firstGroup = captioned(page, "各三角形的观测角");
  const Table& corrections = captioned(page, "改正数 v");
  for (std::size_t n = 0; n < 9; ++n) {
    const double corrected = dmsDegrees(firstGroup.rows[n].back());
    const double v = number(corrections.rows[n][1]);
    const double adjusted = dmsDegrees(corrections.rows[n][3]);
    EXPECT_NEAR((adjusted - corrected) * 3600.0, v, 3 * kSecondsRounding + 1e-9) << corrections.rows[n][0];
  }
  const Table& sums = captioned(page, "平差后的角之和");
  for (const std::vector<std::string>& row : sums.rows) EXPECT_EQ(row[1], row[2]) << row[0];
}

INSTANTIATE_TEST_SUITE_P(GeneratedFigures, PageConsistency, ::testing::Range(1, 201),
                         [](const ::testing::TestParamInfo<int>& row) { return "figure" + std::to_string(row.param); });

}  // namespace
}  // namespace velmora
