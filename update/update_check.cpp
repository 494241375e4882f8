#include "update/update_check.h"

#include "update/marker_extraction.h"

namespace velmora {
namespace {

constexpr int kMessageYesNo = 4;
constexpr int kMessageExclamation = 48;
constexpr int kButtonNo = 6;
constexpr int kForcedUpdate = 1;

Text Field(const Text& reply, const Text& name) {
  return ExtractBetween(reply, "<!--" + name + "-->", "<!--" + name + "end-->", 0, false);
}

bool StartsWithIgnoringCase(const Text& text, const Text& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

// The reply comes over plain HTTP and the program runs elevated: anything
// but a web address (a program, a file share) is never handed to the shell.
void OpenIfWebAddress(UpdateShell& shell, const Text& address) {
  if (IsWebAddress(address)) shell.OpenWebPage(address);
}

}  // namespace

Text UpdateQueryAddress(const Text& updateHost, const Text& productCode) {
  return "http://" + updateHost + "/client/api.asp?code=" + productCode;
}

bool IsWebAddress(const Text& address) {
  return StartsWithIgnoringCase(address, "http://") || StartsWithIgnoringCase(address, "https://");
}

void CheckForUpdate(const Text& productCode, const Text& currentVersion, int force,
                    const Text& errorPageAddress, const Text& updateHost, WebFetch& fetch,
                    UpdateShell& shell) {
  const Text reply = BytesToText(fetch.ReadWebBytes(UpdateQueryAddress(updateHost, productCode)));
  const Text version = Field(reply, "ver");
  const Text downloadAddress = Field(reply, "add");
  const Text description = Field(reply, "con");

  if (version.empty()) return;
  if (version == "Error") {
    shell.ShowMessage("发生错误 ", kMessageExclamation, "消息");
    OpenIfWebAddress(shell, errorPageAddress);
    shell.EndProgram(0);
    return;
  }
  if (version == currentVersion) return;

  // Inequality, not order: an older server version is offered as well.
  const int button =
      shell.ShowMessage("发现新版:" + version + "\r\n" + description, kMessageYesNo, "在线更新:");
  if (button == kButtonNo) {
    if (force == kForcedUpdate) shell.EndProgram(0);
    return;
  }
  // Yes, or a box that could not be shown, counts as accepting.
  OpenIfWebAddress(shell, downloadAddress);
  shell.EndProgram(0);
}

}  // namespace velmora
