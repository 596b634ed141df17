#include "ui/result_fields.h"

#include <array>
#include <string_view>

#include "engine/normal_equations.h"
#include "engine/number_text.h"
#include "engine/point_coordinates.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, kTriangles + 1> kMisclosureCaptions{"", "w(1)", "w(2)", "w(3)"};
constexpr std::array<FieldId, kCoordinatesOfP> kCoordinateFields{FieldId::Text19, FieldId::Text20, FieldId::Text5,
                                                                 FieldId::Text22, FieldId::Text23, FieldId::Text24};

/// A second-group misclosure as shown: the stored single rounded to two
/// decimals, written at single precision.
std::string singleMisclosureText(float stored) { return plainSingleText(static_cast<float>(roundHalfEven(stored, 2))); }

}  // namespace

void showTriangleMisclosure(WindowOperations& window, int i, double misclosureSeconds) {
  window.setLabelCaption(LabelId::Label17, std::string(kMisclosureCaptions[static_cast<std::size_t>(i)]));
  window.setFieldText(FieldId::Text11, "  " + plainRoundedText(misclosureSeconds, 2) + " 秒");
}

void showSecondGroupMisclosures(WindowOperations& window, const ConditionArray<float>& w) {
  window.setFieldText(FieldId::Text12, "  " + singleMisclosureText(w[1]) + " 秒");
  window.setFieldText(FieldId::Text13, "  " + singleMisclosureText(w[2]) + " 秒");
  window.setFieldText(FieldId::Text21, "  " + singleMisclosureText(w[3]) + " 秒");
  window.setFieldText(FieldId::Text25, " " + singleMisclosureText(w[4]) + " 单位");
}

void showWeightReciprocal(WindowOperations& window, int functionColumn, double reciprocal) {
  window.setFieldText(functionColumn == kAzimuthFunctionColumn ? FieldId::Text15 : FieldId::Text16,
                      " " + plainRoundedText(reciprocal, 6));
}

void showUnitWeightError(WindowOperations& window, float mb) {
  window.setFieldText(FieldId::Text14, "  " + fixedText(mb, 2) + " 秒");
}

void showPositionError(WindowOperations& window, float md) {
  window.setFieldText(FieldId::Text17, "  " + fixedText(md, 2) + " 毫米");
}

void showRelativeError(WindowOperations& window, std::optional<float> m) {
  window.setFieldText(FieldId::Text26, " 1/" + relativeErrorDenominatorText(m));
}

void showPointNameWithResults(WindowOperations& window, const std::string& pointName) {
  window.setFieldText(FieldId::Text18, "   " + pointName);
}

void showCoordinateOfP(WindowOperations& window, std::size_t n, double metres) {
  window.setFieldText(kCoordinateFields[n], " " + fixedText(metres, 3));
}

}  // namespace velmora
