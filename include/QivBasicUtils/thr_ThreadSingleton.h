// One object of `T` per thread, made on first use in that thread and
// destroyed when the thread ends. `T` must be default-constructible.
#pragma once

template <class T>
class thr_ThreadSingleton {
 public:
  static T& Instance() {
    thread_local T instance;
    return instance;
  }
};
