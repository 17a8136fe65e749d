#include "ModKerLow/rgnK_RegionIds.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// Whether `list` repeats an id, and if so the list without repeats (first
// occurrences in order). `seen(id)` marks an id and answers whether it was
// marked before.
template <class Seen>
void rgnK_DropRepeats(cow_List<int>& list, Seen&& seen) {
  const std::size_t n = list.Length();
  std::size_t first = n;
  for (std::size_t i = 0; i < n && first == n; ++i)
    if (seen(list[i])) first = i;
  if (first == n) return;  // no repeat: the list stays shared as it was
  cow_List<int> unique;
  unique.Reserve(n - 1);
  for (std::size_t i = 0; i < first; ++i)
    unique.Append(list[i]);
  for (std::size_t i = first + 1; i < n; ++i)
    if (!seen(list[i])) unique.Append(list[i]);
  list = unique;
}

void rgnK_UniqueOfList(cow_List<int>& list) {
  const std::size_t n = list.Length();
  if (n < 2) return;
  const auto [low, high] = std::minmax_element(list.begin(), list.end());
  const std::uint64_t range =
      static_cast<std::uint64_t>(static_cast<std::int64_t>(*high) - *low) + 1;
  if (range <= 16 * static_cast<std::uint64_t>(n) + 4096) {
    // A bitmap over the id range: at most 2n + 512 bytes.
    const int base = *low;
    std::vector<std::uint64_t> bits((range + 63) / 64, 0);
    rgnK_DropRepeats(list, [&](int id) {
      const std::uint64_t at = static_cast<std::uint64_t>(static_cast<std::int64_t>(id) - base);
      std::uint64_t& word = bits[at / 64];
      const std::uint64_t mask = std::uint64_t{1} << (at % 64);
      const bool was = (word & mask) != 0;
      word |= mask;
      return was;
    });
    return;
  }
  // Ids spread thinly: the distinct ids sorted, a bit per distinct id.
  std::vector<int> sorted(list.begin(), list.end());
  std::sort(sorted.begin(), sorted.end());
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  std::vector<std::uint64_t> bits((sorted.size() + 63) / 64, 0);
  rgnK_DropRepeats(list, [&](int id) {
    const std::size_t at = static_cast<std::size_t>(
        std::lower_bound(sorted.begin(), sorted.end(), id) - sorted.begin());
    std::uint64_t& word = bits[at / 64];
    const std::uint64_t mask = std::uint64_t{1} << (at % 64);
    const bool was = (word & mask) != 0;
    word |= mask;
    return was;
  });
}

}  // namespace

void rgnK_GetUniqueIds(cow_Map<int, cow_List<int>>& ids) {
  std::vector<int> keys;
  keys.reserve(ids.Length());
  for (const auto& entry : ids)
    keys.push_back(entry.first);
  for (int key : keys) {
    // A list with a repeat is replaced; one without stays untouched, so a map
    // that shares its storage is not copied for nothing.
    cow_List<int> list = ids.Get(key);
    const std::size_t before = list.Length();
    rgnK_UniqueOfList(list);
    if (list.Length() != before) ids.Modify(key) = list;
  }
}

void rgnK_GetNodalCoords(const rgnC_Region& region, int instanceId, const bme_Mesh& mesh,
                         cow_2DArray<double>& coordinates) {
  const cow_List<int>* nodes = region.KernelNodeIndices().Find(instanceId);
  const std::size_t count = nodes ? nodes->Length() : 0;
  coordinates = cow_2DArray<double>(count, 3, 0.0);
  const std::vector<float>& xyz = mesh.NodeData().Coordinates();
  for (std::size_t row = 0; row < count; ++row) {
    const int node = (*nodes)[row];
    if (node < 0 || static_cast<std::size_t>(node) >= mesh.NumNodes()) continue;
    for (std::size_t c = 0; c < 3; ++c)
      coordinates.Modify(row, c) = xyz[static_cast<std::size_t>(node) * 3 + c];
  }
}
