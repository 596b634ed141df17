#include "ui/entry_sources.h"

#include <utility>

namespace velmora {

WindowEntrySource::WindowEntrySource(AdjustmentState& state, WindowOperations& window, TakeEntry take)
    : state_(state), window_(window), take_(std::move(take)) {}

bool WindowEntrySource::enterKnownPoints(FigureTexts& typed) { return entered(enterScalars(state_, take_), typed); }

bool WindowEntrySource::enterTriangleAngles(int i, FigureTexts& typed) {
  return entered(velmora::enterTriangleAngles(window_, state_, i, take_), typed);
}

bool WindowEntrySource::entered(DialogueEnd end, FigureTexts& typed) {
  end_ = std::move(end);
  if (!end_.entered) return false;
  typed = state_.typedFigure();
  return true;
}

WindowEntrySource dialogueSource(AdjustmentState& state, WindowOperations& window) {
  return WindowEntrySource(state, window, [&window](const EntrySpec& entry, std::string& member) {
    return confirmedEntry(window, entry, member);
  });
}

WindowEntrySource sheetSource(AdjustmentState& state, WindowOperations& window, const SheetTexts& sheet) {
  return WindowEntrySource(state, window, [&window, &sheet](const EntrySpec& entry, std::string& member) {
    member = sheet.at(entry.entry);
    echoEntry(window, entry, member);
    return DialogueEnd{};
  });
}

}  // namespace velmora
