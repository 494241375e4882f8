#pragma once

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

// True for addresses that begin with "http://" or "https://" in any letter
// case: the only kind the update check hands to the shell.
bool IsWebAddress(const Text& address);

// Asks the update server about productCode and acts on the reply: goes on
// silently, reports a server error and ends, or offers the new version.
// Returns only where the program goes on.
void CheckForUpdate(const Text& productCode, const Text& currentVersion, int force,
                    const Text& errorPageAddress, const Text& updateHost, WebFetch& fetch,
                    UpdateShell& shell);

}  // namespace velmora
