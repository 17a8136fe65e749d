#include "MSVCR90/rt_Runtime.h"

#include <locale.h>
#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

struct Fault {
  long count = 0;   // calls since the plan was made
  long failAt = 0;  // 0: no fault planned
  bool persistent = false;
};

std::array<Fault, 5> g_faults;

bool Refuse(rt_Call call) {
  Fault& f = g_faults[static_cast<std::size_t>(call)];
  if (f.failAt == 0) return false;
  ++f.count;
  if (f.count < f.failAt) return false;
  return f.count == f.failAt || f.persistent;
}

const char* SkipBlanks(const char* p) {
  while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == '\v')
    ++p;
  return p;
}

}  // namespace

int rt_access(const char* path, int mode) {
  if ((mode & 2) && Refuse(rt_Call::WriteAccess)) return -1;
  int how = F_OK;
  if (mode & 2) how |= W_OK;
  if (mode & 4) how |= R_OK;
  return ::access(path, how) == 0 ? 0 : -1;
}

int rt_remove(const char* path) {
  return Refuse(rt_Call::Remove) ? -1 : std::remove(path);
}

FILE* rt_fopen(const char* path, const char* mode) {
  return Refuse(rt_Call::Fopen) ? nullptr : std::fopen(path, mode);
}

std::size_t rt_fwrite(const void* data, std::size_t size, FILE* file) {
  if (Refuse(rt_Call::Write)) return 0;
  return std::fwrite(data, 1, size, file);
}

int rt_fclose(FILE* file) {
  // A refused close still releases the handle, as a failed fclose does.
  bool refuse = Refuse(rt_Call::Close);
  int result = std::fclose(file);
  return refuse ? -1 : result;
}

const char* rt_getenv(const char* name) {
  return std::getenv(name);
}

int rt_atoi(const char* text) {
  const char* p = SkipBlanks(text);
  bool negative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  long long value = 0;
  while (*p >= '0' && *p <= '9') {
    value = value * 10 + (*p - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
    ++p;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

double rt_atof(const char* text) {
  const char* p = SkipBlanks(text);
  if (*p == '+') {
    ++p;
    if (*p == '-') return 0.0;  // one sign only
  }
  double value = 0.0;
  auto result = std::from_chars(p, p + std::strlen(p), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large or too small for a double: atof's answer (+-HUGE_VAL or a
    // zero), read in the C locale whatever locale the host has set.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    value = strtod_l(p, nullptr, cLocale);
  }
  return value;
}

double rt_pow(double base, double exponent) {
  return std::pow(base, exponent);
}

void rt_FailCall(rt_Call call, long nth, bool persistent) {
  g_faults[static_cast<std::size_t>(call)] = Fault{0, nth > 0 ? nth : 0, persistent};
}

void rt_ClearFaults() {
  g_faults = {};
}
