// One figure of a figure file adjusted and reviewed as batch does it: its
// results and the parts of its review asked for, or why it has none, the
// first column at fault in the file's order (a user reads a file from left to
// right). Batch and the window's batch view adjust every record through it.
#pragma once

#include <optional>

#include "engine/adjustment_results.h"
#include "engine/figure_pipeline.h"
#include "figure_file/figure_record.h"
#include "review/run_review.h"

namespace velmora {

/// Adjusts `figure` into `results` and reviews it into `review`; the record's
/// error when its run stops (`review` is then left as it was). `observer`,
/// when given, sees every stage's values (batch --tables keeps the worksheet's tables).
std::optional<RecordError> adjustRecord(const FigureHeader& header, const FigureRecord& figure,
                                        const ReviewAsked& asked, AdjustmentResults& results, RunReview& review,
                                        StageObserver* observer = nullptr);

}  // namespace velmora
