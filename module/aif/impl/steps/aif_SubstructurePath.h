// "*Substructure Path": wraps the output request keywords of a region inside
// substructure instances, entering the substructure element of each instance
// on the region's path before them and leaving it after them. Made by the
// output request builder for requests on substructure regions.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class akw_ModelInfo;
class aif_ModelInfo;

class aif_SubstructurePath : public akw_Keyword {
 public:
  // `paths`: dotted region paths (the instance names, then the region's
  // name); `keywords`: the keywords written inside every path. Notes the
  // substructure instances active for simulation of the context's assembly;
  // `info` (an aif_ModelInfo) must outlive the keyword, whose element labels
  // come from its label table at write time.
  aif_SubstructurePath(const cow_List<cow_String>& paths, const akw_KeywordList& keywords,
                       akw_ModelInfo& info);
  aif_SubstructurePath(const aif_SubstructurePath&) = default;

  akw_Keyword* Clone() const override { return new aif_SubstructurePath(*this); }
  // Nothing without keywords. For every path with at least one instance:
  // "** Output Request for Part Instance: " and the first instance; one
  // "*Substructure Path, enter element=" line per instance, with the label
  // of its substructure element (0 for an instance that is not a
  // substructure or whose element was not numbered); the keywords; one
  // "*Substructure Path, leave" line per instance. A path without "." names
  // no instance and is skipped.
  void Write(utl_Stream& stream) const override;

 private:
  int ElementLabel(const cow_String& instance) const;

  cow_List<cow_String> paths_;
  akw_KeywordList keywords_;
  aif_ModelInfo* info_;
  cow_Map<cow_String, int> substructures_;
};
