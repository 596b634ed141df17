#include "ui/sheet_entries.h"

namespace velmora {

std::span<const SheetEntry> sheetEntries() { return kFigureEntryRows; }

}  // namespace velmora
