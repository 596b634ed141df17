#include <array>
#include <string_view>
#include <vector>

#include "input/text_escaping.h"
#include "output/record_writer.h"
#include "output/result_columns.h"
#include "output/result_value_text.h"
#include "output/shortest_number.h"
#include "output/tables_json.h"

namespace velmora {
namespace {

/// The objects of a dotted JSON path: "check.ellipse" is check, ellipse.
std::vector<std::string_view> objectsOf(std::string_view path) {
  std::vector<std::string_view> objects;
  while (!path.empty()) {
    const std::size_t dot = std::min(path.find('.'), path.size());
    objects.push_back(path.substr(0, dot));
    path.remove_prefix(std::min(dot + 1, path.size()));
  }
  return objects;
}

/// Writes the keys and braces between values, as a record's values move from
/// object to object: each member after the first of its object follows a comma.
class JsonNesting {
 public:
  /// The text that leads from the last value to `key` in the object `path`.
  std::string keyIn(const std::vector<std::string_view>& path, std::string_view key) {
    std::string text;
    std::size_t common = 0;
    while (common < open_.size() && common < path.size() && open_[common] == path[common]) ++common;
    while (open_.size() > common) text += close();
    for (std::size_t i = common; i < path.size(); ++i) {
      text += member(path[i]) + '{';
      open_.push_back(path[i]);
      empty_ = true;
    }
    return text + member(key);
  }

  /// The braces that close every object opened.
  std::string closeAll() {
    std::string text;
    while (!open_.empty()) text += close();
    return text;
  }

 private:
  std::string member(std::string_view key) {
    std::string text = empty_ ? "\"" : ",\"";
    empty_ = false;
    return text + std::string(key) + "\":";
  }

  std::string close() {
    open_.pop_back();
    empty_ = false;
    return "}";
  }

  std::vector<std::string_view> open_;
  bool empty_ = false;  ///< the innermost object has no member yet (the record always has its line)
};

/// One value: null for none, the flagged angles as an array of their numbers.
void appendValue(std::string& out, const ResultValue& value) {
  if (std::holds_alternative<std::monostate>(value)) {
    out += "null";
  } else if (const ProgramText* text = std::get_if<ProgramText>(&value)) {
    out += '"';
    out += text->text;
    out += '"';
  } else if (const FlaggedAngles* flagged = std::get_if<FlaggedAngles>(&value)) {
    out += '[';
    appendFlaggedNumbers(out, *flagged, ',');
    out += ']';
  } else {
    appendValueText(out, value);  // a number, true or false
  }
}

void appendColumn(std::string& out, const FigureResult& figure, const ResultColumn& column) {
  if (column.count == 0) {
    appendValue(out, column.value(figure, column, 0));
    return;
  }
  out += '[';
  for (std::size_t n = 1; n <= column.count; ++n) {
    if (n > 1) out += ',';
    appendValue(out, column.value(figure, column, n));
  }
  out += ']';
}

void openRecord(std::string& out, std::size_t line, const std::string* name) {
  out += "{\"line\":";
  appendWhole(out, line);
  if (name) {
    out += ",\"name\":";
    appendJsonString(out, *name);
  }
}

/// One object per figure. The columns asked for are laid out once: each
/// under the object it belongs to, its key and the braces before it written
/// in advance. The columns of one object at the record's top (check, grade)
/// form a group that is null as a whole when the figure lacks its part.
class JsonLinesWriter final : public RecordWriter {
 public:
  explicit JsonLinesWriter(ResultParts parts) {
    for (const ResultColumn& column : resultColumns()) {
      if (!includes(parts, column.part)) continue;
      const std::vector<std::string_view> path = objectsOf(column.jsonObject);
      const std::string_view top = path.empty() ? std::string_view() : path.front();
      if (groups_.empty() || groups_.back().top != top) {
        if (!groups_.empty()) groups_.back().closing = nesting_.closeAll();
        groups_.push_back({top, column.part, {}, {}});
      }
      groups_.back().items.push_back({nesting_.keyIn(path, column.jsonKey), &column});
    }
    if (!groups_.empty()) groups_.back().closing = nesting_.closeAll();
  }

  void begin(std::string& /*out*/) override {}

  void result(std::string& out, const FigureResult& figure) override {
    openRecord(out, figure.line, &figure.name);
    const std::array<bool, kResultParts> present = partsPresent(figure);
    for (const Group& group : groups_) {
      if (!present[partIndex(group.part)]) {
        out += ",\"";
        out += group.top;
        out += "\":null";
        continue;
      }
      for (const Item& item : group.items) {
        out += item.lead;
        if (present[partIndex(item.column->part)]) {
          appendColumn(out, figure, *item.column);
        } else {
          out += "null";
        }
      }
      out += group.closing;
    }
    if (figure.tables) appendTablesMember(out, *figure.tables);
    out += "}\n";
  }

  void failure(std::string& out, const FigureFailure& figure) override {
    openRecord(out, figure.line, figure.name);
    out += ",\"error\":{\"field\":";
    if (figure.field) {
      appendJsonString(out, *figure.field);
    } else {
      out += "null";
    }
    out += ",\"message\":";
    appendJsonString(out, figure.message);
    out += "}}\n";
  }

 private:
  struct Item {
    std::string lead;  ///< the braces and the key before the value
    const ResultColumn* column;
  };
  struct Group {
    std::string_view top;  ///< the record's member that holds the group; empty: the record itself
    ResultPart part;       ///< the part of its first column, whose absence makes the group null
    std::vector<Item> items;
    std::string closing;
  };

  JsonNesting nesting_;
  std::vector<Group> groups_;
};

}  // namespace

std::unique_ptr<RecordWriter> makeJsonLinesWriter(ResultParts parts) {
  return std::make_unique<JsonLinesWriter>(parts);
}

}  // namespace velmora
