// One object of T per thread, made on first use and kept for the thread's
// life.
#pragma once

template <class T>
class thr_ThreadSingleton {
 public:
  static T& Instance() {
    thread_local T instance;
    return instance;
  }
};
