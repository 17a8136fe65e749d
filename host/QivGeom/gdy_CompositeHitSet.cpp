#include "QivGeom/gdy_CompositeHitSet.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Membership of the ids of one list: a bitmap over the list's id range when
// that range is small against the list (linear), else the ids sorted.
class gdy_IdMembership {
 public:
  explicit gdy_IdMembership(const cow_List<int>& ids) {
    if (ids.IsEmpty()) return;
    const auto [low, high] = std::minmax_element(ids.begin(), ids.end());
    const std::uint64_t range =
        static_cast<std::uint64_t>(static_cast<std::int64_t>(*high) - *low) + 1;
    low_ = *low;
    high_ = *high;
    if (range <= 16 * static_cast<std::uint64_t>(ids.Length()) + 4096) {
      bits_.assign((range + 63) / 64, 0);
      for (int id : ids) {
        const std::uint64_t at = Offset(id);
        bits_[at / 64] |= std::uint64_t{1} << (at % 64);
      }
      return;
    }
    sorted_.assign(ids.begin(), ids.end());
    std::sort(sorted_.begin(), sorted_.end());
  }
  bool Holds(int id) const {
    if (id < low_ || id > high_) return false;
    if (!bits_.empty()) {
      const std::uint64_t at = Offset(id);
      return (bits_[at / 64] >> (at % 64)) & 1;
    }
    return std::binary_search(sorted_.begin(), sorted_.end(), id);
  }

 private:
  std::uint64_t Offset(int id) const {
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(id) - low_);
  }
  int low_ = 1;
  int high_ = 0;
  std::vector<std::uint64_t> bits_;
  std::vector<int> sorted_;
};

}  // namespace

void gdy_CompositeHitSet::Intersect(const gdy_CompositeHitSet& other, bool keepEmpty) {
  cow_Map<int, cow_List<int>> kept;
  for (const auto& [id, hits] : nodeHits) {
    const cow_List<int>* theirs = other.nodeHits.Find(id);
    cow_List<int> common;
    if (theirs && !theirs->IsEmpty()) {
      const gdy_IdMembership members(*theirs);
      std::size_t count = 0;
      for (int hit : hits)
        count += members.Holds(hit) ? 1 : 0;
      if (count == hits.Length()) {
        common = hits;  // all kept: shared, not copied
      } else if (count > 0) {
        common.Reserve(count);
        for (int hit : hits)
          if (members.Holds(hit)) common.Append(hit);
      }
    }
    if (!common.IsEmpty() || keepEmpty) kept.Set(id, common);
  }
  nodeHits = kept;
}

void gdy_CompositeHitSet::Add(const gdy_CompositeHitSet& other) {
  if (&other == this) return;  // holds every hit of itself already
  for (const auto& [id, theirs] : other.nodeHits) {
    const cow_List<int>* mine = nodeHits.Find(id);
    if (!mine || mine->IsEmpty()) {
      nodeHits.Set(id, theirs);
      continue;
    }
    const gdy_IdMembership members(*mine);
    cow_List<int>& out = nodeHits.Modify(id);
    for (int hit : theirs)
      if (!members.Holds(hit)) out.Append(hit);
  }
}

long long gdy_CompositeHitSet::HitCount() const {
  long long count = 0;
  for (const auto& entry : nodeHits)
    count += static_cast<long long>(entry.second.Length());
  return count;
}

bool gdy_CompositeHitSet::HasFaces() const {
  if (!bodies.IsEmpty()) return true;
  for (const auto& entry : faceElements)
    if (!entry.second.IsEmpty()) return true;
  return false;
}

namespace {

template <class V>
bool gdy_SameHitMap(const cow_Map<int, cow_List<V>>& a, const cow_Map<int, cow_List<V>>& b) {
  if (a.Length() != b.Length()) return false;
  for (const auto& [id, hits] : a) {
    const cow_List<V>* theirs = b.Find(id);
    if (!theirs || !(*theirs == hits)) return false;
  }
  return true;
}

}  // namespace

bool gdy_CompositeHitSet::SameFaces(const gdy_CompositeHitSet& other) const {
  return bodies == other.bodies && gdy_SameHitMap(faceElements, other.faceElements) &&
         gdy_SameHitMap(faceIds, other.faceIds);
}

namespace {

using gdy_FaceKeys = std::set<std::pair<int, std::string>>;

// The face hits of `set` on instance `id` as (element, face) pairs.
gdy_FaceKeys gdy_FacesOf(const gdy_CompositeHitSet& set, int id) {
  gdy_FaceKeys keys;
  const cow_List<int>* elements = set.faceElements.Find(id);
  if (!elements) return keys;
  const cow_List<cow_String>* faces = set.faceIds.Find(id);
  for (std::size_t i = 0; i < elements->Length(); ++i)
    keys.emplace((*elements)[i], faces && i < faces->Length() ? (*faces)[i].Str() : std::string());
  return keys;
}

}  // namespace

void gdy_CompositeHitSet::AddCompositeHitSet(const gdy_CompositeHitSet& other) {
  if (&other == this) return;
  Add(other);
  for (const auto& [id, elements] : other.faceElements) {
    const gdy_FaceKeys mine = gdy_FacesOf(*this, id);
    const cow_List<cow_String>* faces = other.faceIds.Find(id);
    cow_List<int>& outElements = faceElements.Modify(id);
    cow_List<cow_String>& outFaces = faceIds.Modify(id);
    while (outFaces.Length() < outElements.Length())
      outFaces.Append(cow_String());
    for (std::size_t i = 0; i < elements.Length(); ++i) {
      const cow_String face = faces && i < faces->Length() ? (*faces)[i] : cow_String();
      if (mine.count({elements[i], face.Str()})) continue;
      outElements.Append(elements[i]);
      outFaces.Append(face);
    }
  }
  for (int body : other.bodies)
    if (!bodies.IsMember(body)) bodies.Append(body);
}

bool gdy_CompositeHitSet::ContainsCompositeHitSet(const gdy_CompositeHitSet& other) const {
  for (const auto& [id, theirs] : other.nodeHits) {
    if (theirs.IsEmpty()) continue;
    const cow_List<int>* mine = nodeHits.Find(id);
    if (!mine) return false;
    const gdy_IdMembership members(*mine);
    for (int hit : theirs)
      if (!members.Holds(hit)) return false;
  }
  for (const auto& entry : other.faceElements) {
    const gdy_FaceKeys mine = gdy_FacesOf(*this, entry.first);
    for (const auto& key : gdy_FacesOf(other, entry.first))
      if (!mine.count(key)) return false;
  }
  for (int body : other.bodies)
    if (!bodies.IsMember(body)) return false;
  return true;
}
