// A strict reader of one JSON Lines record, for checking the batch's output:
// the whole line must be one JSON object (RFC 8259), every string well-formed
// UTF-8 (no overlong forms or surrogates), and no number a negative zero. A line that is not breaks the invariant.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::fuzz {

/// The keys of the record's outermost object, in order.
std::vector<std::string> jsonRecordKeys(std::string_view line);

}  // namespace velmora::fuzz
