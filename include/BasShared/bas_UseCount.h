// Use counts of modules that may be started and stopped more than once.
#pragma once

// Counts one more user; true when this is the first.
inline bool bas_AcquireUse(int& uses) {
  return uses++ == 0;
}

// Counts one user less; true when this was the last. With no user counted it
// changes nothing and returns false, so an unmatched stop cannot leave the
// count below zero and keep the module from starting again.
inline bool bas_ReleaseUse(int& uses) {
  if (uses <= 0) return false;
  return --uses == 0;
}
