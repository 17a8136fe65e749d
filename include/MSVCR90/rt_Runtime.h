// The C runtime calls the writer makes (files, environment, number parsing),
// gathered in one shim so that tests can make file calls fail.
#pragma once

#include <cstddef>
#include <cstdio>

// _access: 0 when `path` exists and allows `mode` (0 exists, 2 write, 4 read,
// 6 both), -1 otherwise.
int rt_access(const char* path, int mode);
int rt_remove(const char* path);
FILE* rt_fopen(const char* path, const char* mode);
// Writes all `size` bytes; returns the count written (less on failure).
std::size_t rt_fwrite(const void* data, std::size_t size, FILE* file);
int rt_fclose(FILE* file);
const char* rt_getenv(const char* name);
// atoi and atof without locale: leading blanks, a sign and the longest number
// that follows; 0 when there is none. rt_atoi saturates at the int range.
int rt_atoi(const char* text);
double rt_atof(const char* text);
double rt_pow(double base, double exponent);

// Fault injection on the file calls. The `nth` call of `call` from now on
// (1 = the next) fails as the runtime would fail it (fopen null, a short
// write, fclose and remove -1, a write-permission query -1 as for a read-only
// file), and with `persistent` every later one too.
enum class rt_Call { Fopen, Write, Close, Remove, WriteAccess };
void rt_FailCall(rt_Call call, long nth, bool persistent);
void rt_ClearFaults();
