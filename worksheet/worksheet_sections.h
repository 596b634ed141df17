// The sections of the worksheet, in their order on the page, and the table
// helpers they share. Internal to worksheet/.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "worksheet/worksheet.h"

namespace velmora::sheet {

Section headerSection(const WorksheetInputs& inputs);
Section knownSideSection(const WorksheetInputs& inputs);
Section firstGroupSection(const WorksheetInputs& inputs);
Section conditionSection(const WorksheetInputs& inputs);
Section normalEquationSection(const WorksheetInputs& inputs);
Section correctionSection(const WorksheetInputs& inputs);
Section resultSection(const WorksheetInputs& inputs);
Section checkSection(const WorksheetInputs& inputs);

/// The nine corrections' angle names in column order: A(1), B(1), C(1), A(2), ..., C(3).
const AngleArray<std::string>& angleNames();

/// The names of the condition matrix's six rows: w1..w4, then the azimuth and side functions.
const Numbered<std::string, 6>& conditionRowNames();

/// A table with its caption, header and name columns.
Table table(std::string caption, std::vector<std::string> header, std::size_t labelColumns = 1);

/// Adjusted (or corrected) angle n (1..9) of a results record, decimal degrees.
double angleOf(const AdjustmentResults& results, std::size_t n);

}  // namespace velmora::sheet
