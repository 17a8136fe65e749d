// The kernel's table of output variables: for every variable name, whether it
// is a variable of its own (a parent request) or a component of one, and its
// codes (which output keyword carries it); per channel, the
// preselected and the complete variable lists. One table per thread
// (thr_ThreadSingleton<korC_OdbRequestTable>::Instance()).
//
// The table starts with a small built-in content (see Reset) and can be
// changed: Register... and Set... add or replace entries, Reset restores the
// built-in content. Lookups never change it.
#pragma once

#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"
#include "QivBasicUtils/thr_ThreadSingleton.h"

// What the kernel knows of one output variable.
//  - Position: the keyword that writes it: 0 node, 1 element, 2 modal, 4 and
//    8 contact (8 also element output when asked for directly), 5 radiation,
//    6 incrementation, 7 energy, 9 integrated output; -1 none.
//  - Category: 5 for integrated output over a section, 6 for rebar-only
//    element output, 0 otherwise.
//  - Auxiliary: 2 for a variable that element output also carries, 0 for one
//    that integrated output over an element set carries, 1 otherwise.
//  - Name map: the name each of the variable's spellings is written under;
//    empty when every spelling is written as it is.
struct korC_OdbRequestSpec {
  int position = -1;
  int category = 0;
  int auxiliary = 1;
  cow_Map<cow_String, cow_String> nameMap;

  int Position() const { return position; }
  int Category() const { return category; }
  int Auxiliary() const { return auxiliary; }
  const cow_Map<cow_String, cow_String>& NameMap() const { return nameMap; }
};

class korC_OdbRequestTable {
 public:
  // The procedure key of an entry that holds for every procedure.
  static constexpr unsigned kAnyProcedure = 0;

  korC_OdbRequestTable() { Reset(); }

  // --- lookups -------------------------------------------------------------

  // Whether `name` is a variable of its own in `procedure`.
  bool IsParentRequest(const cow_String& name, unsigned procedure) const;
  // Whether `name` is a component of a variable known in `procedure`.
  bool IsComponentRequest(const cow_String& name, unsigned procedure) const;
  // The variable `name` is a component of; empty for any other name.
  cow_String RequestFromComponent(const cow_String& name, unsigned procedure) const;
  // The codes of variable `name`; default ones (position -1) for a
  // name that is not a variable in `procedure`.
  korC_OdbRequestSpec Request(const cow_String& name, unsigned procedure) const;

  // The preselected variables of a channel (1 field, 2 history) in
  // `procedure`: the list set for the procedure, else the one set for every
  // procedure. Empty means the procedure has none. `simulation`, `domain`
  // and `flags` do not change the answer of this table.
  cow_List<cow_String> Defaults(int channelType, unsigned procedure, bool simulation, int domain,
                                int flags) const;
  // Every variable of a channel in `procedure`, found as Defaults is.
  cow_List<cow_String> All(int channelType, unsigned procedure, int domain, int flags) const;
  // The output a channel of `procedure` writes when no request asks for
  // anything, found as Defaults is; empty (the built-in answer) means the
  // preselected variables.
  cow_List<cow_String> DefaultRequests(int channelType, unsigned procedure, int domain) const;

  // What a request for `variables` still writes for a region without nodes
  // (WithExclusion) or without elements (WithInclusion): the variables known
  // in `procedure` whose position differs from `position` (0 node, 1
  // element). An empty list means the region gets nothing. An answer set
  // with SetInvalidPrintIdentifiers replaces the rule. `printKind`,
  // `channelType` and `domain` do not change the answer of this table.
  cow_List<cow_String> GetInvalidPrintIdentifiersWithExclusion(
      const cow_List<cow_String>& variables, unsigned procedure, int position, int printKind,
      int channelType, int domain) const;
  cow_List<cow_String> GetInvalidPrintIdentifiersWithInclusion(
      const cow_List<cow_String>& variables, unsigned procedure, int position, int printKind,
      int channelType, int domain) const;

  // --- content -------------------------------------------------------------

  // Restores the built-in content:
  //  node (0): U, V, A, RF, CF, NT (written NT11), RT, COORD;
  //  element (1): S, E, PE, PEEQ, LE, SF, SE, TEMP, HFL, EVOL; RBFOR
  //    (category 6, rebar only);
  //  modal (2): GU, GV, GA; contact (4): CSTRESS, CDISP, CFORCE; (8): CSTATUS;
  //  radiation (5): RADFL; incrementation (6): DMASS;
  //  energy (7): ALLIE, ALLKE, ELSE, ELKE, ENER (auxiliary 2);
  //  integrated (9): SOF, SOM (category 5), IVOL (auxiliary 0);
  //  components U1-U3 of U, RF1-RF3 of RF, S11, S22, S33, S12, S13, S23 of S;
  //  preselected field "S, E, U, RF", history "ALLIE, ALLKE"; all field
  //  "S, E, PE, PEEQ, LE, U, V, A, RF, CF, NT", history "ALLIE, ALLKE, ELSE,
  //  ELKE, DMASS"; no default requests and no set answers.
  // Every variable holds for every procedure.
  void Reset();
  // Makes `name` a variable with `definition`; with `procedures` not empty, a
  // variable of those procedures only.
  void RegisterVariable(const cow_String& name, const korC_OdbRequestSpec& definition,
                        const cow_List<unsigned>& procedures = {});
  // Makes `name` a component of variable `parent`.
  void RegisterComponent(const cow_String& name, const cow_String& parent);
  // Forgets variable or component `name`.
  void Remove(const cow_String& name);
  void SetDefaults(int channelType, unsigned procedure, const cow_List<cow_String>& names);
  void SetAll(int channelType, unsigned procedure, const cow_List<cow_String>& names);
  void SetDefaultRequests(int channelType, unsigned procedure, const cow_List<cow_String>& names);
  // Fixes the answer of WithInclusion (`inclusion`) or WithExclusion.
  void SetInvalidPrintIdentifiers(bool inclusion, const cow_List<cow_String>& answer);

 private:
  struct Variable {
    korC_OdbRequestSpec definition;
    cow_List<unsigned> procedures;  // empty: every procedure
  };
  // Per (channel type, procedure) lists.
  using ChannelLists = cow_Map<cow_String, cow_List<cow_String>>;

  const Variable* Find(const cow_String& name, unsigned procedure) const;
  static cow_String ListKey(int channelType, unsigned procedure);
  static cow_List<cow_String> Lookup(const ChannelLists& lists, int channelType,
                                     unsigned procedure);
  cow_List<cow_String> WritableVariables(const cow_List<cow_String>& variables, unsigned procedure,
                                         int position) const;

  cow_Map<cow_String, Variable> variables_;
  cow_Map<cow_String, cow_String> components_;
  ChannelLists defaults_;
  ChannelLists all_;
  ChannelLists defaultRequests_;
  bool hasInclusionAnswer_ = false;
  bool hasExclusionAnswer_ = false;
  cow_List<cow_String> inclusionAnswer_;
  cow_List<cow_String> exclusionAnswer_;
};
