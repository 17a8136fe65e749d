// One object of a class for the whole program, made on first use.
#pragma once

template <class T>
class omi_Singleton {
 public:
  static T& Instance() {
    static T instance;
    return instance;
  }
};
