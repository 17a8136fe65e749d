// The node keywords of an instance's points that are not mesh nodes: its
// reference points (each a node with a one-member node set) and its attachment
// nodes (one node block). The part builder files them for a lightweight
// instance's part, the instance builder for every other instance.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class asoF_PartInstance;

class aif_InstancePoints {
 public:
  // One raw node per reference point of `instance`, labels shifted by the
  // instance's node offset, each in the node set `setName`. A reference
  // point that is a node of the mesh already gets only the node set.
  static akw_KeywordList ReferenceNodes(const asoF_PartInstance& instance,
                                        const aif_ModelInfo& info, const cow_String& setName);
  // One raw node block of the instance's attachment nodes (points, then
  // lines), or nothing when it has none.
  static akw_KeywordList AttachmentNodes(const asoF_PartInstance& instance, aif_ModelInfo& info);
};
