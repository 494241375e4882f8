#include "update/marker_extraction.h"

#include <algorithm>
#include <limits>

namespace velmora {
namespace {

bool IsLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

char FoldAsciiCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(const Text& text, std::size_t offset, const Text& subtext, bool ignoreCase) {
  for (std::size_t i = 0; i < subtext.size(); ++i) {
    const char a = text[offset + i];
    const char b = subtext[i];
    if (ignoreCase ? FoldAsciiCase(a) != FoldAsciiCase(b) : a != b) return false;
  }
  return true;
}

// Texts come from a network reply; positions are ints, so clamp rather than
// overflow on absurd lengths.
int ToPosition(std::size_t offset) {
  return static_cast<int>(std::min<std::size_t>(offset, std::numeric_limits<int>::max()));
}

const Text kQuoteEscape = "#引号";

}  // namespace

int FindText(const Text& text, const Text& subtext, int start, bool ignoreCase) {
  if (subtext.empty()) return -1;
  const std::size_t length = text.size();
  std::size_t offset = start > 1 ? static_cast<std::size_t>(start) - 1 : 0;
  if (offset >= length) return -1;
  while (length - offset >= subtext.size()) {
    if (MatchesAt(text, offset, subtext, ignoreCase)) return ToPosition(offset + 1);
    if (IsLeadByte(text[offset])) {
      if (offset + 1 >= length) return -1;
      offset += 2;
    } else {
      offset += 1;
    }
    if (offset >= length) return -1;
  }
  return -1;
}

Text ReplaceSubtext(const Text& text, const Text& find, const Text& replacement) {
  if (text.empty() || find.empty()) return text;
  Text result;
  std::size_t offset = 0;
  while (text.size() - offset >= find.size()) {
    if (text.compare(offset, find.size(), find) == 0) {
      result += replacement;
      offset += find.size();
    } else {
      const std::size_t character = IsLeadByte(text[offset]) ? 2 : 1;
      const std::size_t taken = std::min(character, text.size() - offset);
      result.append(text, offset, taken);
      offset += taken;
    }
  }
  result.append(text, offset, Text::npos);
  return result;
}

int TextLength(const Text& text) { return ToPosition(text.size()); }

Text MidText(const Text& text, int position, int count) {
  const long long offset = static_cast<long long>(position) - 1;
  if (offset < 0 || offset >= static_cast<long long>(text.size()) || count <= 0) return Text();
  return text.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
}

Text ExtractBetween(const Text& text, const Text& startMarker, const Text& endMarker, int start,
                    bool ignoreCase) {
  const Text startText = ReplaceSubtext(startMarker, kQuoteEscape, "\"");
  const Text endText = ReplaceSubtext(endMarker, kQuoteEscape, "\"");
  const int found = FindText(text, startText, start, ignoreCase);
  if (found == -1) return Text();
  // Computed wide: a start marker ending at the very end of a huge text must
  // not overflow the int position.
  const long long fieldStart = static_cast<long long>(found) + TextLength(startText);
  if (fieldStart > std::numeric_limits<int>::max()) return Text();
  const int fieldEnd = FindText(text, endText, static_cast<int>(fieldStart), ignoreCase);
  if (fieldEnd == -1) return Text();
  return MidText(text, static_cast<int>(fieldStart), fieldEnd - static_cast<int>(fieldStart));
}

}  // namespace velmora
