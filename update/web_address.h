#pragma once

#include <cstddef>

#include "core/text.h"

namespace velmora {

// The longest address the program hands to the system to open.
inline constexpr std::size_t kMaxOpenableAddressBytes = 2048;

// True when the address begins with "http://" or "https://", in any case.
bool HasWebScheme(const Text& address);

// Whether an address may be handed to the system to open in a browser. The
// program runs elevated and addresses come from a plain-HTTP reply, so only
// an absolute http:// or https:// URL with a host passes, at most
// kMaxOpenableAddressBytes long, and free of every byte that could end an
// argument or start a new one on a command line: control bytes, space,
// " < > \ ^ ` { | } and bytes of 0x80 and above. Such an address is refused
// whole rather than repaired.
bool IsOpenableWebAddress(const Text& address);

}  // namespace velmora
