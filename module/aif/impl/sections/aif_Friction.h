// "*Friction": the friction law of a contact interaction property (from its
// tangential behaviour; made by the interaction builder) or of a connector
// friction option (written inside "*Connector Friction"). One object carries
// one of the two sources.
//
// Contact property form:
//   frictionless (or no tangential behaviour where the frictionless default
//   applies)  "*Friction", "0.,";
//   otherwise "*Friction" with its options, then the coefficient table (a
//   blank column for every dependence not given), the decay lines or the
//   user properties on one line. A property without tangential behaviour
//   and without the frictionless default writes nothing: it has no friction
//   law to state.
// Connector form: "*Friction" with its options (a slip tolerance only when it
// is not the default 0.0001), then the coefficient table or the decay lines;
// nothing when the option has no friction law.
#pragma once

#include "AFCInputFileWriter/akw_Keyword.h"
#include "AFCInputFileWriter/akw_ModelInfo.h"
#include "BasShared/cow_COW.h"
#include "OdbAttrEO/kbeC_ConnectorFriction.h"
#include "OdbAttrEO/kern_RepositoryObjects.h"

struct kinC_TangentialBehavior;

class aif_Friction : public akw_Keyword {
 public:
  // Contact property form. `info` is an aif_ModelInfo that outlives the
  // keyword; `frictionlessDefault` writes a frictionless law for a property
  // without tangential behaviour.
  aif_Friction(const cow_COW<kinC_InteractionProperty>& property, akw_ModelInfo* info,
               bool frictionlessDefault);
  // Connector form, from a copy of the option.
  aif_Friction(const kbeC_ConnectorFriction& friction, akw_ModelInfo* info);
  aif_Friction(const aif_Friction&) = default;

  akw_Keyword* Clone() const override { return new aif_Friction(*this); }
  // Throws aif_Exception "Unimplemented *Friction print", writing nothing,
  // for a property that is not a contact property.
  void Write(utl_Stream& stream) const override;

 private:
  void WritePropertyForm(utl_Stream& stream) const;
  void WritePropertyOptions(utl_Stream& stream, const kinC_TangentialBehavior& law) const;
  void WriteConnectorForm(utl_Stream& stream) const;
  int Product() const;

  cow_COW<kinC_InteractionProperty> property_;
  kbeC_ConnectorFriction friction_;
  akw_ModelInfo* info_;
  bool frictionlessDefault_ = false;
};
