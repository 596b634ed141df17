#include "ui/dialogue.h"

#include <array>
#include <string>
#include <utility>

#include "engine/number_reader.h"
#include "engine/number_text.h"

namespace velmora {
namespace {

const std::string kEnterOrZero = " ?  输入正确单击 Enter 键 ;  错误输入零 ( 即:0 )";

DialogueEntry scalarEntry(std::size_t entry, std::string entryPrompt, FieldId field, const std::string& confirmation,
                          std::string correctionPrompt) {
  return DialogueEntry{std::move(entryPrompt), field,        sheetEntries()[entry].kind,  {},   {},
                       confirmation,           confirmation, std::move(correctionPrompt), entry};
}

/// An angle's row: its kind and caption are the entry table's.
DialogueEntry angleEntryRow(std::size_t entry, std::string entryPrompt, FieldId field, LabelId label,
                            std::string firstConfirmation, std::string repeatedConfirmation,
                            std::string correctionPrompt) {
  const SheetEntry& row = sheetEntries()[entry];
  return DialogueEntry{std::move(entryPrompt),
                       field,
                       row.kind,
                       label,
                       std::string(row.label),
                       std::move(firstConfirmation),
                       std::move(repeatedConfirmation),
                       std::move(correctionPrompt),
                       entry};
}

/// The scalar rows, each with its own texts exactly as the operator has always seen them.
std::array<DialogueEntry, 7> makeScalarEntries() {
  return {
      scalarEntry(coordinateEntry(0), "输入三角形顶点 A 点的纵座标 :", FieldId::Text1,
                  "确认 A 点的纵座标输入是否正确" + kEnterOrZero, "输入正确的纵座标 :"),
      scalarEntry(coordinateEntry(1), "输入三角形顶点 A 点的横座标 :", FieldId::Text2,
                  "确认 A 点的横座标输入是否正确" + kEnterOrZero, "输入正确的横座标 :"),
      scalarEntry(coordinateEntry(2), "输入三角形顶点 B 点的纵座标 :", FieldId::Text3,
                  "确认 B 点的纵座标输入是否正确" + kEnterOrZero, "输入正确的纵座标 Xb :"),
      scalarEntry(coordinateEntry(3), "输入三角形顶点 B 点的横座标 :", FieldId::Text4,
                  "确认 B 点的横座标输入是否正确" + kEnterOrZero, "输入三角形顶点 B 点正确的横座标 Yb :"),
      scalarEntry(coordinateEntry(4), "输入三角形顶点 C 点的纵座标 :", FieldId::Text9,
                  "确认 C 点的纵座标输入是否正确" + kEnterOrZero, "输入正确的纵座标 :"),
      // The east coordinate of C is confirmed with the north coordinate's question.
      scalarEntry(coordinateEntry(5), "请输入三角形顶点 C 点的横座标 Yc:", FieldId::Text10,
                  "确认 C 点的纵座标输入是否正确" + kEnterOrZero, "输入正确的横座标 :"),
      scalarEntry(kPointNameEntry, "请输入待定点的点名 :", FieldId::Text18,
                  "确认待定点的点名输入是否正确" + kEnterOrZero, "请输入待定点正确的点名 :"),
  };
}

DialogueEntry distanceAngleRow(int i) {
  const std::string n = std::to_string(i);
  return angleEntryRow(angleEntry(i, 0),
                       "请按三角形编号输入第 " + n + " 个三角形求距角 A(" + n + ") 的观测值:", FieldId::Text6,
                       LabelId::Label12, "确认求距角 A(" + n + ") 的观测值输入是否正确" + kEnterOrZero,
                       "确认求距角 A( " + n + " ) 的观测值输入是否正确" + kEnterOrZero, "输入求距角正确的观测值 :");
}

DialogueEntry advanceAngleRow(int i) {
  const std::string n = std::to_string(i);
  const std::string confirmation = "确认前进角 B(" + n + ") 的观测值输入是否正确" + kEnterOrZero;
  return angleEntryRow(angleEntry(i, 1),
                       "按三角形编号输入第 " + n + " 个三角形前进角 B(" + n + ") 的观测值 :", FieldId::Text7,
                       LabelId::Label13, confirmation, confirmation, "输入前进角正确的观测值 :");
}

DialogueEntry centralAngleRow(int i) {
  const std::string n = std::to_string(i);
  const std::string confirmation = "确认中心角 C(" + n +
                                   ") 的观测值输入是否正确 ?  输入正确按 Enter 键或 OK 键(  即:Enter 键或 OK 键);  "
                                   "错误输入按零 ( 即:0 )";
  return angleEntryRow(angleEntry(i, 2),
                       "按三角形编号输入第 " + n + " 个三角形中心角的观测值 C(" + n + ") 的观测值 :", FieldId::Text8,
                       LabelId::Label14, confirmation, confirmation, "输入中心角正确的观测值 :");
}

/// The three angle entries of one triangle.
struct TriangleEntries {
  DialogueEntry distance, advance, central;
};

/// The prompts are fixed texts: they are made once, not at every run.
const std::array<DialogueEntry, 7>& scalarEntries() {
  static const std::array<DialogueEntry, 7> entries = makeScalarEntries();
  return entries;
}

const TriangleEntries& triangleEntries(int i) {
  static const std::array<TriangleEntries, 3> entries{{
      {distanceAngleRow(1), advanceAngleRow(1), centralAngleRow(1)},
      {distanceAngleRow(2), advanceAngleRow(2), centralAngleRow(2)},
      {distanceAngleRow(3), advanceAngleRow(3), centralAngleRow(3)},
  }};
  return entries.at(static_cast<std::size_t>(i - 1));
}

/// A field shows its value after one blank.
std::string afterBlank(std::string_view text) {
  std::string shown(text.size() + 1, ' ');
  text.copy(shown.data() + 1, text.size());
  return shown;
}

std::string clearText(DisplayKind kind) { return kind == DisplayKind::Angle ? " " : ""; }

DialogueEnd noReplyTo(const WindowOperations& window, const std::string& prompt) {
  return {false, prompt, window.operatorCancelled()};
}

}  // namespace

ConfirmationAnswer classifyConfirmation(std::string_view reply) {
  if (reply.empty()) return ConfirmationAnswer::Accept;
  const ReadNumber number = readNumber(reply);
  if (number.reading != NumberReading::Number) return ConfirmationAnswer::AskAgain;
  return number.value == 0.0 ? ConfirmationAnswer::Reject : ConfirmationAnswer::Accept;
}

std::string displayText(DisplayKind kind, const std::string& typed) {
  switch (kind) {
    case DisplayKind::Coordinate: return afterBlank(typedValueText(typed, 3));
    case DisplayKind::Angle: return afterBlank(typedValueText(typed, 5));
    case DisplayKind::Name: break;
  }
  return afterBlank(typed);
}

std::string echoEntry(WindowOperations& window, const DialogueEntry& entry, const std::string& typed) {
  if (entry.label) window.setLabelCaption(*entry.label, entry.caption);
  std::string shown = displayText(entry.kind, typed);
  window.setFieldText(entry.field, shown);
  return shown;
}

DialogueEnd confirmedEntry(WindowOperations& window, const DialogueEntry& entry, std::string& member) {
  const EntryPrompt value{entry.entry, false};
  const EntryPrompt confirming{entry.entry, true};
  std::optional<std::string> reply = window.askOperatorAbout(entry.entryPrompt, value);
  if (!reply) return noReplyTo(window, entry.entryPrompt);
  member = std::move(*reply);
  std::string shown = echoEntry(window, entry, member);
  const std::string* confirmation = &entry.firstConfirmation;
  for (;;) {
    const std::optional<std::string> answer = window.askOperatorAbout(*confirmation, confirming);
    if (!answer) return noReplyTo(window, *confirmation);
    switch (classifyConfirmation(*answer)) {
      case ConfirmationAnswer::Accept: window.setFieldText(entry.field, shown); return {};
      case ConfirmationAnswer::AskAgain: continue;
      case ConfirmationAnswer::Reject: break;
    }
    window.setFieldText(entry.field, clearText(entry.kind));
    reply = window.askOperatorAbout(entry.correctionPrompt, value);
    if (!reply) return noReplyTo(window, entry.correctionPrompt);
    member = std::move(*reply);
    shown = displayText(entry.kind, member);
    window.setFieldText(entry.field, shown);
    confirmation = &entry.repeatedConfirmation;
  }
}

DialogueEnd enterScalars(AdjustmentState& state, const TakeEntry& take) {
  for (const DialogueEntry& entry : scalarEntries()) {
    const DialogueEnd end = take(entry, state.typedText(entry.entry));
    if (!end.entered) return end;
  }
  return {};
}

DialogueEnd enterTriangleAngles(WindowOperations& window, AdjustmentState& state, int i, const TakeEntry& take) {
  const TriangleEntries& entries = triangleEntries(i);
  if (DialogueEnd end = take(entries.distance, state.typedText(entries.distance.entry)); !end.entered) return end;
  window.setFieldText(FieldId::Text7, "");
  window.setFieldText(FieldId::Text8, "");
  window.setFieldText(FieldId::Text11, "");
  if (DialogueEnd end = take(entries.advance, state.typedText(entries.advance.entry)); !end.entered) return end;
  return take(entries.central, state.typedText(entries.central.entry));
}

DialogueEnd enterScalars(WindowOperations& window, AdjustmentState& state) {
  return enterScalars(state, [&window](const DialogueEntry& entry, std::string& member) {
    return confirmedEntry(window, entry, member);
  });
}

DialogueEnd enterTriangleAngles(WindowOperations& window, AdjustmentState& state, int i) {
  return enterTriangleAngles(window, state, i, [&window](const DialogueEntry& entry, std::string& member) {
    return confirmedEntry(window, entry, member);
  });
}

}  // namespace velmora
