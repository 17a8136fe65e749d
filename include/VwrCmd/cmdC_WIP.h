// The host's progress object: milestones and warnings shown to the user while
// a file is written. The stand-in keeps every message, in order.
#pragma once

#include <string>
#include <vector>

#include "BasShared/cow_String.h"

class cmdC_WIP {
 public:
  enum class Kind { Milestone, Warning, ProcessStart, ProcessComplete };
  struct Record {
    Kind kind;
    std::string text;
    bool operator==(const Record&) const = default;
  };

  static void Milestone(const cow_String& text);
  static void Warning(const cow_String& text);
  static void ProcessStart(const cow_String& text);
  static void ProcessComplete();

  // Everything reported since the last Clear, in order.
  static const std::vector<Record>& Records();
  // The texts of one kind, in order.
  static std::vector<std::string> Texts(Kind kind);
  static void Clear();
};
