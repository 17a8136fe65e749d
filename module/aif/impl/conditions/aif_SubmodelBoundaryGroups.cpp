#include "aif/impl/conditions/aif_SubmodelBoundaryGroups.h"

#include "aif/impl/conditions/aif_Boundary.h"
#include "aif/impl/core/aif_Comment.h"
#include "aif/impl/core/aif_RawKeyword.h"

void aif_SubmodelBoundaryGroups::Add(const cow_String& step, const cow_String& conditionName,
                                     const aif_Boundary& keyword) {
  const cow_String header = keyword.SubmodelHeader();
  const cow_String* current = headers_.Find(step);
  akw_KeywordList& list = keywords_.Modify(step);
  if (!current || *current != header) {
    list.Append(akw_KeywordHandle(cow_COW<akw_Keyword>(aif_RawKeyword(header))));
    headers_.Set(step, header);
  }
  list.Append(akw_KeywordHandle(cow_COW<akw_Keyword>(keyword)));
  names_.Modify(step).Append(conditionName);
}

akw_KeywordList aif_SubmodelBoundaryGroups::Keywords(const cow_String& step) const {
  akw_KeywordList list;
  const akw_KeywordList* group = keywords_.Find(step);
  if (!group) return list;
  cow_String text = "Name: ";
  bool first = true;
  for (const cow_String& name : names_.Get(step)) {
    if (!first) text += ", ";
    text += name;
    first = false;
  }
  text += " Type: Submodel";
  list.Append(akw_KeywordHandle(cow_COW<akw_Keyword>(aif_Comment(text))));
  list.Append(*group);
  return list;
}
