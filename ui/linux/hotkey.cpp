#include "ui/linux/hotkey.h"

#include <QAbstractEventDispatcher>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "core/key_codes.h"
#include "ui/handlers.h"

namespace velmora::linux_ui {
namespace {

constexpr int kIdBase = 33000;
bool grabRefused = false;

int NoteRefusal(Display*, XErrorEvent* error) {
  if (error->error_code == BadAccess) grabRefused = true;
  return 0;
}

KeySym KeySymOf(int keyCode) {
  if (keyCode >= keys::kLetterA && keyCode <= keys::kLetterA + 25) {
    return XK_a + (keyCode - keys::kLetterA);
  }
  if (keyCode >= keys::kDigit0 && keyCode <= keys::kDigit0 + 9) return XK_0 + (keyCode - keys::kDigit0);
  return NoSymbol;
}

unsigned ModifierMaskOf(int modifierWord) {
  unsigned mask = 0;
  if (modifierWord & keys::kCtrlBit) mask |= ControlMask;
  if (modifierWord & keys::kShiftBit) mask |= ShiftMask;
  if (modifierWord & keys::kAltBit) mask |= Mod1Mask;
  return mask;
}

// The modifier bit that Num Lock sets on this server.
unsigned NumLockMask(Display* display) {
  unsigned mask = Mod2Mask;
  XModifierKeymap* map = XGetModifierMapping(display);
  const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
  for (int modifier = 0; map && numLock && modifier < 8; ++modifier) {
    for (int i = 0; i < map->max_keypermod; ++i) {
      if (map->modifiermap[modifier * map->max_keypermod + i] == numLock) mask = 1u << modifier;
    }
  }
  if (map) XFreeModifiermap(map);
  return mask;
}

constexpr unsigned kWatchedModifiers = ShiftMask | ControlMask | Mod1Mask | Mod4Mask;

}  // namespace

GlobalHotkeys::GlobalHotkeys(X11Connection& x11) : x11_(x11) {
  Display* display = x11_.display();
  notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(display), QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { DrainEvents(); });
  // Other calls on the connection may read key events into Xlib's queue
  // without the socket signalling again; look there before the loop sleeps.
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
      if (XEventsQueued(x11_.display(), QueuedAlready) > 0) DrainEvents();
    });
  }
  // Holding the keys repeats the hotkey, as on Windows; no synthetic releases.
  Bool supported = False;
  XkbSetDetectableAutoRepeat(display, True, &supported);
}

GlobalHotkeys::~GlobalHotkeys() {
  Display* display = x11_.display();
  for (const Grab& grab : grabs_) {
    XUngrabKey(display, static_cast<int>(grab.keycode), grab.modifiers, DefaultRootWindow(display));
  }
  XFlush(display);
}

int GlobalHotkeys::Register(int modifierWord, int keyCode, Feedback feedback) {
  Display* display = x11_.display();
  feedback_ = std::move(feedback);
  lastSerial_ += 1;
  const int identifier = kIdBase + lastSerial_;

  const KeySym symbol = KeySymOf(keyCode);
  const KeyCode keycode = symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
  if (!keycode) return 0;
  const unsigned modifiers = ModifierMaskOf(modifierWord);
  const unsigned numLock = NumLockMask(display);
  const unsigned variants[] = {0, LockMask, numLock, LockMask | numLock};

  // Also grabbed with Caps Lock and Num Lock on, so it works whatever their state.
  XSync(display, False);
  grabRefused = false;
  XErrorHandler previous = XSetErrorHandler(&NoteRefusal);
  Window root = DefaultRootWindow(display);
  for (unsigned variant : variants) {
    XGrabKey(display, keycode, modifiers | variant, root, False, GrabModeAsync, GrabModeAsync);
  }
  XSync(display, False);
  XSetErrorHandler(previous);
  if (grabRefused) {
    for (unsigned variant : variants) XUngrabKey(display, keycode, modifiers | variant, root);
    XSync(display, False);
    return 0;
  }
  grabs_.push_back({identifier, keycode, modifiers});
  DrainEvents();
  return identifier;
}

void GlobalHotkeys::DrainEvents() {
  Display* display = x11_.display();
  while (XPending(display) > 0) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type != KeyPress) continue;
    for (const Grab& grab : grabs_) {
      if (event.xkey.keycode == grab.keycode &&
          (event.xkey.state & kWatchedModifiers) == grab.modifiers && feedback_) {
        const int identifier = grab.identifier;
        ui::RunHandler([&] { feedback_(identifier, 0); });
      }
    }
  }
}

}  // namespace velmora::linux_ui
