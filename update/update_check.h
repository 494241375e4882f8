#pragma once

#include <cstddef>

#include "core/text.h"
#include "update/web_fetch.h"

namespace velmora {

// What the update check needs from the program around it.
class UpdateShell {
 public:
  virtual ~UpdateShell() = default;
  // Modal box; returns the button value (OK 0, Yes 5, No 6, 0 when no box
  // could be shown).
  virtual int ShowMessage(const Text& text, int flags, const Text& title) = 0;
  // Asks the system to open the address in the user's browser.
  virtual void OpenWebPage(const Text& address) = 0;
  // Ends the process; does not return in the real program.
  virtual void EndProgram(int exitCode) = 0;
};

// "http://" + host + "/client/api.asp?code=" + product code, unencoded.
Text UpdateQueryAddress(const Text& updateHost, const Text& productCode);

// True for a host (or host:port) under the names reserved never to resolve,
// ".example" and ".invalid": a build left with such a host asks no name
// server, since a broken resolver alone could hold the window back.
bool IsReservedHostName(const Text& updateHost);

// The text cut at a character boundary to at most maxBytes bytes and maxLines
// lines, followed by "…" where anything was cut, so that a hostile reply
// cannot make a box larger than the screen.
Text ShortenForDisplay(const Text& text, std::size_t maxBytes, std::size_t maxLines);
inline constexpr std::size_t kMaxDescriptionBytes = 2000;
inline constexpr std::size_t kMaxDescriptionLines = 30;
inline constexpr std::size_t kMaxVersionBytes = 64;

// The force flag with which declining an offer ends the program.
inline constexpr int kForcedUpdate = 1;

// Asks the update server about productCode and acts on the reply: goes on
// silently, reports a server error and ends, or offers the new version.
// Returns only where the program goes on. Only addresses that pass
// IsOpenableWebAddress are ever opened.
void CheckForUpdate(const Text& productCode, const Text& currentVersion, int force,
                    const Text& errorPageAddress, const Text& updateHost, WebFetch& fetch,
                    UpdateShell& shell);

}  // namespace velmora
