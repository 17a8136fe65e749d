// The evaluated (boundary) representation of a primary object, the assembly
// or a part, as far as the writer reads it: its geometric components by
// index, with the marks the geometry kernel reads off them (gml_ queries).
// The stand-in holds the components a test gave the object
// (ftr_PrimaryObject::SetEvaluatedBody).
#pragma once

#include "BasShared/cow_Map.h"
#include "OdbCoreGeom/rgnC_Region.h"

class brp_Body {
 public:
  const cow_Map<int, rgnC_GeomComponent>& Components() const { return components_; }
  // Adds (or replaces) the component under its own index.
  void AddComponent(const rgnC_GeomComponent& component) {
    components_.Set(component.index, component);
  }

 private:
  cow_Map<int, rgnC_GeomComponent> components_;
};

// A geometric component together with the feature it lies on (a part
// instance's id, or 1000 for the assembly).
struct gml_InstanceGC {
  unsigned instanceId = 0;
  rgnC_GeomComponent component;
};

// The component `index` of `body`; null without a body or such a component.
inline const rgnC_GeomComponent* brp_GetGC(const brp_Body* body, int index) {
  return body ? body->Components().Find(index) : nullptr;
}

// Whether `component` is an attachment line: an edge marked as one.
inline bool gml_IsAttachmentLine(const rgnC_GeomComponent& component) {
  return component.kind == rgnC_GeomComponent::kEdge && component.attachmentLine;
}
