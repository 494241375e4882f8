#pragma once

#include "core/text.h"

namespace velmora {

// Byte-counting text operations with 1-based positions. A byte of 0x80 or
// above starts a two-byte GBK character, and FindText and ReplaceSubtext never
// match from the second byte of one.

// Position of the first occurrence at or after start (below 1 means the first
// byte), or -1. ignoreCase folds ASCII letters only. An empty subtext is
// never found.
int FindText(const Text& text, const Text& subtext, int start, bool ignoreCase);
// Every non-overlapping occurrence of find replaced, scanning from the start.
Text ReplaceSubtext(const Text& text, const Text& find, const Text& replacement);
int TextLength(const Text& text);
// At most count bytes from position; empty when the position lies outside.
Text MidText(const Text& text, int position, int count);

// The bytes after the first start marker (searched from start) and before
// the first end marker after it; empty when either is missing. "#引号" in a
// marker stands for a double quote.
Text ExtractBetween(const Text& text, const Text& startMarker, const Text& endMarker, int start,
                    bool ignoreCase);

}  // namespace velmora
