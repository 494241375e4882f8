#pragma once

namespace velmora::win32 {

// The system timer's tick. Windows ticks about every 15.6 ms by default, so
// a window timer of 10 ms fires only 64 times a second; while a click run is
// in progress the program asks for a 1 ms tick and gives it back after.
class TimerResolution {
 public:
  virtual ~TimerResolution() = default;
  virtual void Begin() = 0;  // asks for the 1 ms tick
  virtual void End() = 0;    // gives one request back
};

// timeBeginPeriod(1) and timeEndPeriod(1).
TimerResolution& SystemTimerResolution();

}  // namespace velmora::win32
