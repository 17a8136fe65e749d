// The "*Connector Behavior" block of one connector section: the behaviour
// line, its constitutive reference, one keyword per behaviour option (in the
// section's order) and then one "*Connector Derived Component" per derived
// component the options name, in ascending order of the names as text. Filed
// into the model definition of the builder that meets the section's name
// first; nothing at all for a section without behaviour data.
//
// Derived-component names carry the behaviour's name: "<behaviour>-BO-" the
// option index and the term's kind and position ("<behaviour>-BO-2-DC",
// "<behaviour>-BO-1-CP-1", counted from 1). The solver adds up the terms of
// every definition of one name, so two sections whose options sit at the
// same positions would otherwise merge their derived components into one;
// with the behaviour's name each section's components stay its own.
#pragma once

#include "BasShared/cow_String.h"

class akw_BuilderComponent;
class kseC_ConnectorSection;

// Throws the type test's error for an option whose type id names an option
// class it is not.
void aif_AddConnectorBehaviorKeywords(akw_BuilderComponent& builder, const cow_String& behaviorName,
                                      const kseC_ConnectorSection& section);
