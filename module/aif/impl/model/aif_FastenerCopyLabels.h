// The node labels of an assembled fastener's copies: the fastener builder
// renumbers each template instance's nodes for the first copy of the template
// and steps the labels from copy to copy. The point elements and assembly
// connector elements of the fastener find a template node's labels here;
// a node without a label is answered as none, and each caller decides what
// that means for the line it writes.
#pragma once

#include <optional>
#include <string>
#include <unordered_map>

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class ftr_FeatureList;

class aif_FastenerCopyLabels {
 public:
  // Per key (a fastener's name prefix, given by the caller, and a template
  // instance's name, or "ASSY"): a list of numbers.
  using KeyedLists = cow_Map<cow_String, cow_List<int>>;
  // The key of nodes that belong to no template instance.
  static const cow_String kAssemblyKey;

  // `renumbering`: per key a flat list of pairs (template label, label in
  // the first copy). `copySteps`: per key at least two numbers, the second
  // (when positive, else the first) the label step between copies.
  // `consecutive`: per key the template labels whose copies are numbered one
  // apart (reference points: each point's copies take consecutive labels,
  // whatever the key's step).
  aif_FastenerCopyLabels(const KeyedLists& renumbering, const KeyedLists& copySteps,
                         const KeyedLists& consecutive, const aif_ModelInfo& info);

  // `prefix` + the name of the template instance `id`, or "ASSY" when `id`
  // names no part instance of `features`.
  static cow_String Key(const cow_String& prefix, const ftr_FeatureList& features, int id);

  // Whether `key` has a renumbering list.
  bool Holds(const cow_String& key) const { return renumbering_.Find(key) != nullptr; }
  // The first-copy label of template node `label` under `key` (the first
  // pair of that label wins); none when the key or the pair is missing.
  std::optional<int> FirstCopyLabel(const cow_String& key, int label) const;
  // The label step between copies for `key` and the template feature `id`:
  // for "ASSY" the assembly node offset of `id` in a part-based file when it
  // is at least 1, else 1; for another key its copy-step list's second
  // number when positive, else its first (0 for a key without a list).
  int Step(const cow_String& key, int id) const;
  // The step between the copies of template node `label` under `key`: 1 for
  // a label listed as consecutive, else Step(key, id).
  int StepOf(const cow_String& key, int id, int label) const;

 private:
  const std::unordered_map<int, int>& Table(const cow_String& key) const;

  const KeyedLists& renumbering_;
  const KeyedLists& copySteps_;
  const KeyedLists& consecutive_;
  const aif_ModelInfo& info_;
  mutable std::unordered_map<std::string, std::unordered_map<int, int>> tables_;
};
