// The kernel's attachment records: an attachment point carries one node (end
// 1), an attachment line of the assembly the nodes of its two ends.
#pragma once

#include "BasShared/cow_Map.h"

// An attachment node: its label and position.
struct asoK_AttachmentNode {
  int label = 0;
  double x = 0, y = 0, z = 0;
};

// One attachment record. A record of a single node leaves end 2 at label 0.
struct asoK_AttachmentRecord {
  asoK_AttachmentNode end1;
  asoK_AttachmentNode end2;
  bool HasEnd2() const { return end2.label != 0; }
};

// Attachment records of one feature by geometric index.
using asoK_AttachmentTree = cow_Map<int, asoK_AttachmentRecord>;
