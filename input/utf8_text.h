// UTF-8 as it arrives in files and replies: checking that bytes are valid
// UTF-8 (no overlong forms, no surrogates, nothing beyond U+10FFFF) and
// quoting the beginning of a text, cut at whole characters, for a message.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

/// The most characters a message ever quotes of a typed text or a field.
inline constexpr std::size_t kQuotedCharacters = 40;

/// Length of the valid UTF-8 sequence starting at `at` (1 for ASCII), or 0 when none starts there.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

/// Where the valid UTF-8 of `text` ends; text.size() when it is valid throughout.
/// With `mayBeCut`, a sequence cut short by the end of `text` counts as valid.
std::size_t validUtf8Length(std::string_view text, bool mayBeCut = false);

inline bool isValidUtf8(std::string_view text) { return validUtf8Length(text) == text.size(); }

/// Appends the character at `at` (U+FFFD for a byte that starts none) and
/// returns how many bytes of `text` it took.
std::size_t appendUtf8Character(std::string& out, std::string_view text, std::size_t at);

/// The first kQuotedCharacters characters of `text` in “”, with "…" when the
/// text is longer; a byte that is not UTF-8 is shown as U+FFFD.
std::string quotedBeginning(std::string_view text);

}  // namespace velmora
