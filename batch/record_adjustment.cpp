#include "batch/record_adjustment.h"

#include "engine/figure_adjustment.h"
#include "texts/fault_messages.h"

namespace velmora {

std::optional<RecordError> adjustRecord(const FigureHeader& header, const FigureRecord& figure,
                                        const ReviewAsked& asked, AdjustmentResults& results, RunReview& review,
                                        StageObserver* observer) {
  const FigureTexts typed = figure.typed();
  if (const StageOutcome fault = observer ? adjustFigure(typed, results, *observer) : adjustFigure(typed, results)) {
    const std::optional<std::string_view> column =
        fault->entry ? std::optional(entryColumn(*fault->entry)) : std::nullopt;
    return firstFault(header, figure, {column, cannotComputeMessage(*fault)});
  }
  review = reviewRun(results, asked);
  return std::nullopt;
}

}  // namespace velmora
