#include "export/export_figure.h"

namespace velmora {

std::string exportedPointName(const AdjustmentState& state) { return state.pointName.empty() ? "P" : state.pointName; }

}  // namespace velmora
