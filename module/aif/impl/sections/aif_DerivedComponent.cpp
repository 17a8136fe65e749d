#include "aif/impl/sections/aif_DerivedComponent.h"

#include "AFCInputFileWriter/akw_MorvexName.h"
#include "QivBasicUtils/utl_Stream.h"
#include "aif/impl/materials/aif_MaterialOptionFrame.h"
#include "aif/impl/sections/aif_ConnectorOptionFrame.h"

void aif_DerivedComponent::Write(utl_Stream& stream) const {
  for (const kbeC_CDCTerm& term : component_.terms)
    WriteTerm(stream, term);
}

void aif_DerivedComponent::WriteTerm(utl_Stream& stream, const kbeC_CDCTerm& term) const {
  stream << "*Connector Derived Component, name=" << akw_MorvexName(name_, false);
  if (term.sign == 1) aif_WriteOption(stream, "sign=NEGATIVE");
  if (term.operatorCode == 1) aif_WriteOption(stream, "operator=SUM");
  if (term.operatorCode == 2) aif_WriteOption(stream, "operator=MACAULEY SUM");
  aif_WriteDependencies(stream, term.data.dependencies);
  if (term.independentComponentsFlag && term.independentKind == 0)
    aif_WriteOption(stream, "independent components");
  if (term.independentComponentsFlag && term.independentKind == 1)
    aif_WriteOption(stream, "independent components=CONSTITUTIVE MOTION");
  aif_WriteTableOptions(stream, term.data.TableOptions());
  stream.LineBreak();
  if (term.independentComponentsFlag) aif_WriteComponentLine(stream, term.independentComponents);
  aif_WriteComponentLine(stream, term.components);
  stream << aif_ConnectorTable(term.data);
}
