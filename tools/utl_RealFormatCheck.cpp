// Checks every float bit pattern: the stream's fast real text against the
// to_chars text it must equal (utl_FormatGeneral plus the point), at one
// precision (default 9). Non-finite patterns must throw the same message from
// both. Usage: utl_real_format_check [precision] [threads]. Prints the first
// mismatches and a count; exits 1 when any pattern differs.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "QivBasicUtils/nex_Exception.h"
#include "QivBasicUtils/utl_Number.h"

namespace {

std::string FormatOrMessage(float value, int precision, bool reference) {
  char text[kRealBufferSize + 1];
  try {
    std::size_t n = reference ? utl_AddRealMarker(text, utl_FormatGeneral(text, value, precision))
                              : utl_FormatGeneralReal(text, value, precision);
    return std::string(text, n);
  } catch (const nex_TextException& e) {
    return "throws: " + std::string(e.Text().CStr());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int precision = argc > 1 ? std::atoi(argv[1]) : 9;
  const unsigned threads = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 4;
  constexpr std::uint64_t kPatterns = 1ULL << 32;
  constexpr std::uint64_t kChunk = 1ULL << 20;
  std::atomic<std::uint64_t> next{0};
  std::atomic<std::uint64_t> mismatches{0};
  std::mutex report;
  const auto start = std::chrono::steady_clock::now();

  auto work = [&] {
    char fast[kRealBufferSize + 1];
    char ref[kRealBufferSize + 1];
    for (;;) {
      const std::uint64_t first = next.fetch_add(kChunk);
      if (first >= kPatterns) return;
      for (std::uint64_t bits = first; bits < first + kChunk; ++bits) {
        const std::uint32_t pattern = static_cast<std::uint32_t>(bits);
        float value;
        std::memcpy(&value, &pattern, sizeof value);
        bool same;
        std::string a, b;
        if ((pattern & 0x7f800000u) == 0x7f800000u) {
          a = FormatOrMessage(value, precision, false);
          b = FormatOrMessage(value, precision, true);
          same = a == b && a.rfind("throws: ", 0) == 0;
        } else {
          const std::size_t n = utl_FormatGeneralReal(fast, value, precision);
          const std::size_t m = utl_AddRealMarker(ref, utl_FormatGeneral(ref, value, precision));
          same = n == m && std::memcmp(fast, ref, n) == 0;
          if (!same) {
            a.assign(fast, n);
            b.assign(ref, m);
          }
        }
        if (!same && mismatches.fetch_add(1) < 20) {
          std::lock_guard<std::mutex> lock(report);
          std::printf("0x%08x: fast \"%s\" reference \"%s\"\n", pattern, a.c_str(), b.c_str());
        }
      }
    }
  };
  std::vector<std::thread> pool;
  for (unsigned i = 0; i < threads; ++i)
    pool.emplace_back(work);
  for (auto& t : pool)
    t.join();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("precision %d: %llu float patterns, %llu mismatches, %.1f s\n", precision,
              static_cast<unsigned long long>(kPatterns),
              static_cast<unsigned long long>(mismatches.load()), seconds);
  return mismatches.load() == 0 ? 0 : 1;
}
