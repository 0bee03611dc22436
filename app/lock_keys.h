// The state of the keyboard's lock keys for the status bar's indicators,
// as far as the system shows it: the keyboard LEDs under /sys/class/leds.
#pragma once

namespace kivor {

enum class LockKey { kana, caps, num, scroll };

// True while the lock is on; false when it is off or cannot be told.
bool IsLockKeyOn(LockKey key);

}  // namespace kivor
