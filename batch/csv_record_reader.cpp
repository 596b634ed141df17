#include "batch/csv_record_reader.h"

namespace velmora {

bool CsvRecordReader::refill() {
  input_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  size_ = static_cast<std::size_t>(input_.gcount());
  at_ = 0;
  return size_ > 0;
}

int CsvRecordReader::get() {
  if (at_ == size_ && !refill()) return kEnd;
  return static_cast<unsigned char>(buffer_[at_++]);
}

int CsvRecordReader::peek() {
  if (at_ == size_ && !refill()) return kEnd;
  return static_cast<unsigned char>(buffer_[at_]);
}

void CsvRecordReader::append(CsvRecord& record, std::string_view text) {
  if (record.fieldCount >= kMaxKeptFields) return;
  std::string& field = record.fields.back();
  const std::size_t room = kMaxFieldBytes - field.size();
  field.append(text.substr(0, room));
  if (text.size() > room && record.problem.empty()) {
    record.problem =
        "字段 " + std::to_string(record.fieldCount + 1) + " 超过 " + std::to_string(kMaxFieldBytes) + " 字节";
  }
}

std::string_view CsvRecordReader::plainRun() {
  const char* const begin = buffer_.data() + at_;
  const char* const end = buffer_.data() + size_;
  const char* p = begin;
  while (p != end && *p != ',' && *p != '\n' && *p != '\r' && *p != '"') ++p;
  at_ += static_cast<std::size_t>(p - begin);
  return {begin, static_cast<std::size_t>(p - begin)};
}

void CsvRecordReader::endField(CsvRecord& record) {
  ++record.fieldCount;
  if (record.fieldCount < kMaxKeptFields) record.fields.emplace_back();
}

/// After the opening quote: up to the closing quote, which must end the field.
void CsvRecordReader::readQuoted(CsvRecord& record) {
  for (;;) {
    const int c = get();
    if (c == kEnd) {
      if (record.problem.empty()) record.problem = "引号未闭合";
      return;
    }
    if (c == '"') {
      if (peek() != '"') break;
      get();
    } else if (c == '\n') {
      ++line_;
    }
    const char character = static_cast<char>(c);
    append(record, std::string_view(&character, 1));
  }
  const int after = peek();
  if (after != ',' && after != '\n' && after != '\r' && after != kEnd && record.problem.empty()) {
    record.problem = "字段 " + std::to_string(record.fieldCount + 1) + " 的右引号后还有字符";
  }
}

bool CsvRecordReader::next(CsvRecord& record) {
  for (;;) {
    record.line = line_;
    record.fieldCount = 0;
    record.fields.clear();
    record.fields.emplace_back();
    record.problem.clear();
    bool fieldStarted = false;  // the current field has a character or a quote
    bool anything = false;      // the record has anything at all
    for (;;) {
      if (peek() != kEnd) {
        if (const std::string_view run = plainRun(); !run.empty()) {
          anything = fieldStarted = true;
          append(record, run);
          continue;
        }
      }
      const int c = get();
      if (c == kEnd) {
        if (!anything) return false;
        break;
      }
      if (c == '\n') {
        ++line_;
        break;
      }
      if (c == '\r' && peek() == '\n') continue;
      anything = true;
      if (c == ',') {
        endField(record);
        fieldStarted = false;
      } else if (c == '"' && !fieldStarted) {
        fieldStarted = true;
        readQuoted(record);
      } else {
        fieldStarted = true;
        const char character = static_cast<char>(c);
        append(record, std::string_view(&character, 1));
      }
    }
    if (anything) {
      ++record.fieldCount;
      return true;
    }
  }
}

}  // namespace velmora
