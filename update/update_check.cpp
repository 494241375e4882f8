#include "update/update_check.h"

#include "core/message_box_values.h"
#include "update/marker_extraction.h"
#include "update/web_address.h"

namespace velmora {
namespace {


Text Field(const Text& reply, const Text& name) {
  return ExtractBetween(reply, "<!--" + name + "-->", "<!--" + name + "end-->", 0, false);
}

// The reply comes over plain HTTP and the program runs elevated: a program,
// a file share or an address that could smuggle arguments to the browser is
// never handed to the shell.
void OpenIfWebAddress(UpdateShell& shell, const Text& address) {
  if (IsOpenableWebAddress(address)) shell.OpenWebPage(address);
}

const Text kEllipsis = "…";

}  // namespace

Text UpdateQueryAddress(const Text& updateHost, const Text& productCode) {
  return "http://" + updateHost + "/client/api.asp?code=" + productCode;
}

bool IsReservedHostName(const Text& updateHost) {
  Text name = updateHost.substr(0, updateHost.find(':'));
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  if (name.ends_with('.')) name.pop_back();  // the root's dot
  name.insert(0, ".");
  return name.ends_with(".example") || name.ends_with(".invalid");
}

Text ShortenForDisplay(const Text& text, std::size_t maxBytes, std::size_t maxLines) {
  std::size_t end = 0;
  std::size_t lines = 1;
  std::size_t previousWidth = 0;
  while (end < text.size()) {
    // A byte of 0x80 or above starts a two-byte character.
    const std::size_t width = static_cast<unsigned char>(text[end]) >= 0x80 ? 2 : 1;
    if (end + width > maxBytes) break;
    if (text[end] == '\n' && ++lines > maxLines) {
      if (previousWidth == 1 && text[end - 1] == '\r') --end;  // a line's CR goes with its LF
      break;
    }
    end += width;
    previousWidth = width;
  }
  if (end >= text.size()) return text;
  return text.substr(0, end) + kEllipsis;
}

void CheckForUpdate(const Text& productCode, const Text& currentVersion, int force,
                    const Text& errorPageAddress, const Text& updateHost, WebFetch& fetch,
                    UpdateShell& shell) {
  if (IsReservedHostName(updateHost)) return;
  const Text reply = BytesToText(fetch.ReadWebBytes(UpdateQueryAddress(updateHost, productCode)));
  const Text version = Field(reply, "ver");
  const Text downloadAddress = Field(reply, "add");
  const Text description = Field(reply, "con");

  if (version.empty()) return;
  if (version == "Error") {
    shell.ShowMessage("发生错误 ", message_box::kIconExclamation, "消息");
    OpenIfWebAddress(shell, errorPageAddress);
    shell.EndProgram(0);
    return;
  }
  if (version == currentVersion) return;

  // Inequality, not order: an older server version is offered as well.
  const int button =
      shell.ShowMessage("发现新版:" + ShortenForDisplay(version, kMaxVersionBytes, 1) + "\r\n" +
                            ShortenForDisplay(description, kMaxDescriptionBytes,
                                              kMaxDescriptionLines),
                        message_box::kYesNo, "在线更新:");
  if (button == message_box::kNo) {
    if (force == kForcedUpdate) shell.EndProgram(0);
    return;
  }
  // Yes, or a box that could not be shown, counts as accepting.
  OpenIfWebAddress(shell, downloadAddress);
  shell.EndProgram(0);
}

}  // namespace velmora
