#include "ui/sheet_entries.h"

namespace velmora {
namespace {

using K = DisplayKind;

constexpr std::array<SheetEntry, kSheetEntries> kEntries{{
    {"点名", K::Name},
    {"Xa", K::Coordinate},
    {"Ya", K::Coordinate},
    {"Xb", K::Coordinate},
    {"Yb", K::Coordinate},
    {"Xc", K::Coordinate},
    {"Yc", K::Coordinate},
    {"A(1)", K::Angle},
    {"B(1)", K::Angle},
    {"C(1)", K::Angle},
    {"A(2)", K::Angle},
    {"B(2)", K::Angle},
    {"C(2)", K::Angle},
    {"A(3)", K::Angle},
    {"B(3)", K::Angle},
    {"C(3)", K::Angle},
}};

}  // namespace

std::span<const SheetEntry> sheetEntries() { return kEntries; }

}  // namespace velmora
