// A finding about several objects: a check adds the objects while it walks
// the model and appends the finding once, after the walk, to its error or
// warning list; with no object added nothing is appended. The finding is the
// translated header, one line per object in the order added (in the line form
// the check gives), and the translated advice, if any.
#pragma once

#include <vector>

#include "BasShared/atr_String.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_String.h"

// How each object stands in the finding.
enum class chk_LineForm {
  kIndented,       // "    name\n"
  kIndentedBlank,  // "    name \n"
  kInStep,         // "name in step " then "step \n"
  kJoined,         // the names joined by ", " into the header's one "%s"
  kIndentedOne,    // " name\n" (the first one follows the header on its line)
  kDashed,         // "   name - " then the translated second text given to Add
  kDetail,         // "\n  name  (detail)"
  kTwoDetails,     // "\n  name  (detail, second)"
  kDetailIfAny,    // "\n  name  (detail)", or "\n  name" when the detail is empty
  kTwoBlanks,      // "  name\n"
};

class chk_Finding {
 public:
  // `header` and `advice` untranslated; an empty advice adds nothing.
  chk_Finding(cow_String header, chk_LineForm form, cow_String advice = cow_String());

  // Adds an object by its name; `step` is the step the line names (kInStep only).
  void Add(const cow_String& name, const cow_String& step = cow_String());
  // Adds an object with its details (kDetail, kTwoDetails, kDetailIfAny).
  void AddDetails(const cow_String& name, const cow_String& detail,
                  const cow_String& second = cow_String());
  bool IsEmpty() const { return names_.empty(); }

  // Appends the finding to `list` when an object was added; returns whether it did.
  bool AppendTo(cow_List<atr_String>& list) const;

 private:
  cow_String header_;
  chk_LineForm form_;
  cow_String advice_;
  std::vector<cow_String> names_;
  std::vector<cow_String> steps_;
  std::vector<cow_String> seconds_;
};
