// A set of mesh entities picked from the model: element indices (the
// elements a layup's generated set covers), node hits per instance (the
// nodes of a region, as node ids by instance id), face hits per instance
// (the element faces of a surface) and whole bodies (the geometric models
// of instances, faces and wire edges together).
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

struct gdy_CompositeHitSet {
  cow_List<int> elementIndices;
  cow_Map<int, cow_List<int>> nodeHits;
  // Face hits: per instance id the element indices (from 0) of the faces
  // and, at the same positions, each face's identifier ("S1", ...).
  cow_Map<int, cow_List<int>> faceElements;
  cow_Map<int, cow_List<cow_String>> faceIds;
  // Instances whose whole geometric model is hit, by instance id.
  cow_List<int> bodies;

  // Whether the set holds a face hit or a body.
  bool HasFaces() const;
  // Whether the set holds the same face hits and bodies as `other` (element
  // indices and node hits are not compared).
  bool SameFaces(const gdy_CompositeHitSet& other) const;

  // Keeps only the node hits `other` has too. `keepEmpty` keeps instances
  // left without hits as empty entries. Linear in the members of both sets.
  void Intersect(const gdy_CompositeHitSet& other, bool keepEmpty);
  // Adds the node hits of `other` that this set does not hold yet.
  void Add(const gdy_CompositeHitSet& other);
  // The number of node hits over all instances.
  long long HitCount() const;

  // Union and containment over every kind of hit (node hits, face hits and
  // bodies; element indices are not compared), for the beam sections check.
  // Adds the hits of `other` this set does not hold yet.
  void AddCompositeHitSet(const gdy_CompositeHitSet& other);
  // Whether this set holds every hit of `other`.
  bool ContainsCompositeHitSet(const gdy_CompositeHitSet& other) const;
};
