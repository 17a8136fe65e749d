// The host's environment file: settings read by key. One instance per process.
#pragma once

#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class pyo_MorvexEnvFile {
 public:
  static pyo_MorvexEnvFile& Instance();

  bool Has(const cow_String& key) const { return values_.Contains(key); }
  // The integer under `key`; 0 when there is none.
  int GetInt(const cow_String& key) const {
    const int* value = values_.Find(key);
    return value ? *value : 0;
  }
  void Set(const cow_String& key, int value) { values_.Set(key, value); }
  void Remove(const cow_String& key) { values_.Remove(key); }
  void Clear() { values_.Clear(); }

 private:
  pyo_MorvexEnvFile() = default;
  cow_Map<cow_String, int> values_;
};
