#include "ui/entry_sources.h"

#include <utility>

namespace velmora {

WindowEntrySource::WindowEntrySource(AdjustmentState& state, WindowOperations& window, TakeEntry take)
    : state_(state), window_(window), take_(std::move(take)) {}

bool WindowEntrySource::enterKnownPoints(FigureTexts& typed) {
  if (!entered(enterScalars(state_, take_))) return false;
  typed.xa = state_.xa, typed.ya = state_.ya, typed.xb = state_.xb;
  typed.yb = state_.yb, typed.xc = state_.xc, typed.yc = state_.yc;
  return true;
}

bool WindowEntrySource::enterTriangleAngles(int i, FigureTexts& typed) {
  if (!entered(velmora::enterTriangleAngles(window_, state_, i, take_))) return false;
  const auto t = static_cast<std::size_t>(i);
  typed.distanceAngle[t] = state_.distanceAngleDms[t];
  typed.advanceAngle[t] = state_.advanceAngleDms[t];
  typed.centralAngle[t] = state_.centralAngleDms[t];
  return true;
}

bool WindowEntrySource::entered(DialogueEnd end) {
  end_ = std::move(end);
  return end_.entered;
}

WindowEntrySource dialogueSource(AdjustmentState& state, WindowOperations& window) {
  return WindowEntrySource(state, window, [&window](const DialogueEntry& entry, std::string& member) {
    return confirmedEntry(window, entry, member);
  });
}

WindowEntrySource sheetSource(AdjustmentState& state, WindowOperations& window, const SheetTexts& sheet) {
  return WindowEntrySource(state, window, [&window, &sheet](const DialogueEntry& entry, std::string& member) {
    member = sheet.at(entry.entry);
    echoEntry(window, entry, member);
    return DialogueEnd{};
  });
}

void showFigureEntries(WindowOperations& window, const SheetTexts& sheet) {
  AdjustmentState shownOnly;
  WindowEntrySource source = sheetSource(shownOnly, window, sheet);
  FigureTexts typed;
  source.enterKnownPoints(typed);
  for (int i = 1; i <= kTriangles; ++i) source.enterTriangleAngles(i, typed);
}

}  // namespace velmora
