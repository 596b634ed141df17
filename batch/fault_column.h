// Which column of a figure record a step that cannot be computed is about: the
// engine names the value that stopped it ("中心角 C(2)", "A 点的纵座标 XA"),
// and that name points to one of the record's columns.
#pragma once

#include <optional>
#include <string_view>

#include "engine/stage_outcome.h"

namespace velmora {

/// The column (xa .. c3) whose value the fault names, or none when it names no
/// typed value (a pivot of the normal equations, a sum of squares).
std::optional<std::string_view> faultColumn(const CannotCompute& fault);

}  // namespace velmora
