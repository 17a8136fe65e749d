// "*Foundation": an elastic foundation on the faces of a surface, one data
// line per element set of the surface's faces with the face's load label and
// the stiffness of the step. The interaction builder files it once, with the
// keywords of the initial step.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "BasShared/cow_COW.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "OdbAttrEO/kinC_Interaction.h"

class rgnK_Region;
class utl_Stream;

class aif_Foundation : public akw_Keyword {
 public:
  // `interaction` must be a kinC_ElasticFoundation (tested in Write), written
  // with its status and state in `stepName`. `region` is its surface, whose
  // elements and faces are read here; `setName` is the surface's name as the
  // assembly refers to it.
  aif_Foundation(const cow_COW<kinC_Interaction>& interaction, const cow_String& stepName,
                 const rgnK_Region& region, const cow_String& setName);
  aif_Foundation(const aif_Foundation&) = default;

  akw_Keyword* Clone() const override { return new aif_Foundation(*this); }
  // The keyword line; nothing more when the foundation is deactivated in the
  // step (status 4). Otherwise per face of the surface, in the order of the
  // set names "_<surface>_<face>": the set, the load label (S1 to S6 give F1
  // to F6, SPOS and SNEG give F) and the stiffness. The set is named as the
  // surface wrote it earlier in this write (with the counter a name clash
  // gave it), or by its plain name when the surface wrote none; a face the
  // surface wrote no set for (its elements left out of the file) gives no
  // line. Throws,
  // writing nothing: aif_Exception "Unknown foundation interaction face
  // label" for any other face; the type test for another interaction kind
  // or state.
  void Write(utl_Stream& stream) const override;

  // The load label of face `face`; empty for a face without one.
  static const char* LoadLabel(const cow_String& face);

 private:
  cow_String stepName_;
  // Generated element-set name to the face label of its elements.
  cow_Map<cow_String, cow_String> elementSets_;
  cow_COW<kinC_Interaction> interaction_;
  cow_String setName_;
};
