// The values of an analytical field over the nodes or the elements of a
// region, instance by instance, evaluated in full before a keyword writes
// anything: a keyword that finds the evaluation failed writes nothing of
// itself, and the user reads why in the checking messages.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "BasShared/cow_2DArray.h"
#include "BasShared/cow_List.h"
#include "BasShared/cow_Map.h"
#include "BasShared/cow_String.h"

class aif_ModelInfo;
class rgnC_Region;
class utl_Stream;

// Why an evaluation failed, for a caller that tells the user itself.
struct aif_FieldFailure {
  enum Kind {
    kNoField,    // the model has no analytical field of the name
    kOtherKind,  // a field neither expression nor mapped
    kShort,      // fewer points or values than members
    kMapping,    // the mapping failed for an instance: `mappingError` says why
    kUnmeshed,   // a mapped field over a region without mesh members
    kNoDefault,  // a discrete field without a default for a node that needs it
  };
  Kind kind = kNoField;
  cow_String mappingError;
};

// What a failed evaluation names in its message: the kind of object ("body
// force", "pressure"), its name, and what will be missing ("load" or
// "predefined field").
struct aif_FieldSubject {
  const char* kind = "";
  cow_String name;
  const char* missing = "load";
  // When set, told of a failure in place of the message ReportFailure
  // appends; a mapped field over a region without mesh members is then a
  // failure too (kUnmeshed), which the caller may pass over in silence.
  std::function<void(const aif_FieldFailure&)> report;
};

class aif_FieldWalk {
 public:
  // The members of one instance, in the region's order, with the field's
  // value at each.
  struct Instance {
    int id = 0;
    // Prefix() of the instance.
    cow_String prefix;
    // Added to each id to give the label written (the instance's node or
    // element offset).
    int offset = 0;
    cow_List<int> ids;
    // Elements only: the face or edge name of each member ("S3", "SPOS", ""),
    // parallel to `ids` (a member the region gives no name has ""); empty
    // when the region names none.
    cow_List<cow_String> faces;
    // The field at each member, parallel to `ids`.
    cow_List<double> values;
  };

  // Nodes: each instance's unique node ids (rgnK_GetUniqueIds order) with
  // the field at their placed coordinates. Instances in key order.
  //
  // Returns false when the field cannot be evaluated: no analytical field of
  // `fieldName` in the model, a field neither expression nor mapped, a
  // mapping that fails for an instance or gives fewer values than members.
  // The message "\nDue to the failure of evaluating the <kind> \"<name>\"\n
  // from analytical field \"<field>\",\nthis <missing> will be missing in the
  // input file." is then appended to the checking messages and Instances()
  // is empty. Mapping notes go to the checking warnings and the evaluation
  // goes on. An instance an expression field has no points for is left out;
  // a mapped field over a region without mesh members gives no instances
  // (and succeeds, unless `subject` has a report of its own).
  bool EvaluateNodes(const aif_ModelInfo& info, const rgnC_Region& region,
                     const cow_String& fieldName, const aif_FieldSubject& subject);
  // Elements: each instance's element ids and face names (one entry per
  // element and face) with the field at the entry's point: edge midpoints
  // (category 1001), face centroids (1002) or element centroids (1003).
  // Failures as for EvaluateNodes.
  bool EvaluateElements(const aif_ModelInfo& info, const rgnC_Region& region,
                        const cow_String& fieldName, int category, const aif_FieldSubject& subject);

  // Nodes of a discrete field (the model's discrete field `fieldName`): each
  // instance's unique node ids as EvaluateNodes gives them, with the value of
  // component `component` (from 1) at each. A node is looked up in the first
  // data table named after its instance by its plain label (the id when node
  // labels are usable, else the id + 1; the written label adds the offset as
  // ever); a node the table does not hold, or whose row comes short of the
  // component, and every node of an instance without a table, takes the
  // field's default of that component. Fails (as EvaluateNodes does, kind
  // kNoField or kNoDefault) when the model lacks the field or a node needs a
  // default the field does not have.
  bool EvaluateDiscreteNodes(const aif_ModelInfo& info, const rgnC_Region& region,
                             const cow_String& fieldName, int component,
                             const aif_FieldSubject& subject);

  // Elements of a discrete field: each instance's unique element ids (one
  // entry per element, faces aside), looked up, defaulted and failing as
  // EvaluateDiscreteNodes does, the written label adding the instance's
  // element offset.
  bool EvaluateDiscreteElements(const aif_ModelInfo& info, const rgnC_Region& region,
                                const cow_String& fieldName, int component,
                                const aif_FieldSubject& subject);

  // Element faces of a discrete field: one entry per element and face, in
  // the order and with the faces EvaluateElements gives them at the face
  // centroids (1002), each looked up by its element as
  // EvaluateDiscreteElements does. Fails as EvaluateDiscreteNodes does.
  bool EvaluateDiscreteFaces(const aif_ModelInfo& info, const rgnC_Region& region,
                             const cow_String& fieldName, int component,
                             const aif_FieldSubject& subject);

  // From now on, in the discrete evaluations, an instance the field has no
  // table for takes `value` for every member in place of the field's
  // default, and needs no default (a film or radiation condition keeps its
  // uniform value there).
  void SetUntabledValue(double value) { untabled_ = value; }

  // From now on the evaluations leave out the members of instances whose
  // mesh the file does not hold (inactive, mesh-locked, not an instance;
  // aif_KeepWrittenNodes), so that no line names a node or an element the
  // file lacks; the assembly's own members stay.
  void LeaveOutUnwrittenMeshes() { writtenOnly_ = true; }

  // Lets walks over one region share the points of their expression fields:
  // the first evaluation fetches the points into `points` and keeps them
  // there, later ones (of the same members) read them from there. Null, as
  // ever, fetches them per evaluation and frees them instance by instance.
  // `points` must outlive the evaluations.
  void SharePoints(cow_Map<int, cow_2DArray<double>>* points) { sharedPoints_ = points; }

  const std::vector<Instance>& Instances() const { return instances_; }

  // The start of a member's name in instance `id`: in a part-based file the
  // instance's name as a component of a qualified name (quoted when it
  // holds a ".", so that "\"A.b\".7" names instance A.b) and "."; empty in
  // a flat file, for the assembly's own members (id 1000) and for an
  // instance without a name.
  static cow_String Prefix(const aif_ModelInfo& info, int id);

  // Writes the name of member `i` of `instance`: its prefix, then its id plus
  // the instance's offset.
  static void WriteReference(utl_Stream& stream, const Instance& instance, std::size_t i);

  // Appends the evaluation-failure message for `subject` and `fieldName` to
  // the checking messages; `source` names the kind of field ("analytical",
  // "discrete").
  static void ReportFailure(const aif_FieldSubject& subject, const cow_String& fieldName,
                            const char* source = "analytical");
  // The text ReportFailure appends.
  static cow_String FailureText(const aif_FieldSubject& subject, const cow_String& fieldName,
                                const char* source = "analytical");

 private:
  // `category` kNodes for the nodes, else the element category.
  static constexpr int kNodes = 0;
  static constexpr int kFaceCentroids = 1002;
  static constexpr int kElementCentroids = 1003;
  // The discrete lookup of nodes (kNodes) or of elements (any other).
  bool EvaluateDiscrete(const aif_ModelInfo& info, const rgnC_Region& region,
                        const cow_String& fieldName, int component, int category,
                        const aif_FieldSubject& subject);
  bool Fail(const aif_FieldSubject& subject, const cow_String& fieldName,
            const aif_FieldFailure& failure, const char* source = "analytical");
  bool Evaluate(const aif_ModelInfo& info, const rgnC_Region& region, const cow_String& fieldName,
                int category, const aif_FieldSubject& subject);

  std::vector<Instance> instances_;
  std::optional<double> untabled_;
  bool writtenOnly_ = false;
  cow_Map<int, cow_2DArray<double>>* sharedPoints_ = nullptr;
};
