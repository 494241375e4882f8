// Stands in for the browser as the prefix's open command for http and https
// addresses, and writes down exactly the arguments it was started with: one
// line per start, the arguments after the program's own name separated by
// tabs, in UTF-8, appended to the file named by VELMORA_ARGV_LOG.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length > 0 ? length - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace

int main() {
  wchar_t logPath[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"VELMORA_ARGV_LOG", logPath, MAX_PATH)) return 2;
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return 1;
  std::string line;
  for (int i = 1; i < count; ++i) line += (i > 1 ? "\t" : "") + Utf8(arguments[i]);
  LocalFree(arguments);
  FILE* log = _wfopen(logPath, L"ab");
  if (!log) return 1;
  std::fprintf(log, "%s\n", line.c_str());
  std::fclose(log);
  return 0;
}
