#include "ui/win32/timer_resolution.h"

#include <windows.h>
#include <timeapi.h>

namespace velmora::win32 {
namespace {

constexpr UINT kFinestTickMilliseconds = 1;

class WinmmTimerResolution final : public TimerResolution {
 public:
  void Begin() override { timeBeginPeriod(kFinestTickMilliseconds); }
  void End() override { timeEndPeriod(kFinestTickMilliseconds); }
};

}  // namespace

TimerResolution& SystemTimerResolution() {
  static WinmmTimerResolution resolution;
  return resolution;
}

}  // namespace velmora::win32
