// Name routines every keyword writer uses. Model names are dotted paths
// ("Instance.Set", "Assembly.Instance.Set") whose components may be quoted: a
// component is quoted when it is longer than two characters and begins and
// ends with a double quote. A name goes into the file component by component
// in its printable form.
#pragma once

#include <initializer_list>
#include <memory>

#include "BasShared/cow_String.h"
#include "ModKerLow/asoF_PartInstance.h"
#include "OdbCoreGeom/bme_Mesh.h"
#include "OdbCoreGeom/rgnC_Region.h"

// Whether `name` is quoted: longer than two characters, first and last a
// double quote.
bool aif_IsQuotedName(const cow_String& name);

// `name` without its first and last character when it is quoted; otherwise
// `name` unchanged.
cow_String aif_UnquoteName(const cow_String& name);

// Splits `name` at every ".", quotes or not: the last component replaces
// `last`; each earlier component, followed by ".", is appended to `prefix`.
// An empty name leaves both untouched.
void aif_SplitQualifiedName(const cow_String& name, cow_String& prefix, cow_String& last);

// The printable form of `name`: each unquoted component made printable
// (akw_MorvexName::Printable), quoted ones kept, joined again with ".". Throws
// nex_TextException when any component, quoted or not, holds a line break or
// another control character.
cow_String aif_PrintableName(const cow_String& name);

// One component of a qualified name as it is written: a name holding a
// double quote is taken as written already (aif_PrintableName); a name
// holding a "." is enclosed in double quotes, since the reader splits a
// qualified name at its first dot outside quotes ("Inst.1" -> "\"Inst.1\"");
// any other name is made printable (quoted when it holds a blank, a comma,
// ...). Throws nex_TextException for a control character.
cow_String aif_PrintableComponent(const cow_String& name);

// The qualified name of `components` ("Instance", "Set" -> "Instance.Set";
// "Assembly", "A.b", "Set" -> "Assembly.\"A.b\".Set"): each made a printable
// component, joined with ".". Every keyword that names a set, surface, node
// or distribution row of another scope composes the name here.
cow_String aif_QualifiedName(std::initializer_list<cow_String> components);

// The prefix that reaches names and labels of `scope` from outside it: its
// printable component and "." ("Inst." for "Inst.12", "\"A.b\"." for a
// dotted instance name).
cow_String aif_QualifiedPrefix(const cow_String& scope);

// Refuses a name the input file cannot carry, before the keyword naming it
// writes anything: throws aif_Exception when `name` is empty ("The part name
// is empty and cannot be written to the input file.") or holds an odd number
// of double quotes, one of which the reader would never see closed ("The
// part name P"q holds an unpaired double quote and cannot be written to the
// input file."). `object` names what the name belongs to ("part",
// "instance", "node set", ...). Quoted components ("\"My part\"") pass.
void aif_CheckWritableName(const cow_String& name, const char* object);

// `name` in capitals: the solver does not tell names apart by letter case,
// so names are compared in this form.
cow_String aif_UpperCaseName(const cow_String& name);

// Whether `name` is a name the writer generated (written with ", internal"
// in a part-based file): its last component (after the last dot outside
// double quotes) is not empty and begins or ends with "_", or is quoted and
// has "_" just inside either quote ("\"_Bolt.2_blel_\"").
bool aif_IsInternalName(const cow_String& name);

// `name` qualified by the instance the region belongs to: "" when the region
// has no owner names, `name` with one, the second owner name, "." and `name`
// with two or more.
cow_String aif_InstanceQualifiedName(const rgnC_Region& region, const cow_String& name);

// Whether a keyword about `instance` is filed once in its part's definition:
// only in a part-based file (`partBased`) for a lightweight instance whose
// part is not an analytic rigid part.
bool aif_IsLightweightInstance(const asoF_PartInstance& instance, bool partBased);

// The facet mesh of an instance without a mesh of its own, made from its
// part's geometry and its feature id; never null.
std::shared_ptr<const bme_Mesh> aif_MeshFromFacets(const asoF_PartInstance& instance);

// A name the writer makes for a definition of its own from a name as it is
// written (printable, perhaps qualified) and more text: the components of
// `written` (split at the dots outside double quotes) unquoted and joined
// with "_", then `suffix` appended, and the whole made printable once, as
// one component ("\"My set\"" + "MASS_" -> "\"My setMASS_\"";
// "\"A b\".Set" -> "\"A b_Set\""; a dot inside quotes stays and keeps the
// result quoted). Extending a name after making it printable would put text
// after its closing quote. Throws nex_TextException for a control character.
cow_String aif_ComposedName(const cow_String& written, const cow_String& suffix);

// The name of the orientation an engineering feature (a spring, a rotary
// inertia) refers to through its datum system, `datumFullName` being the
// datum's full name with "-" between its owners: in a part-based file, and
// for a feature of a part or of the assembly (empty `instance`), the full
// name; for a feature written with an instance of a flat file, `instance`,
// "_" and the full name. Made printable once, as the datum system's own name
// is.
cow_String aif_FeatureOrientationName(const cow_String& datumFullName, const cow_String& instance,
                                      bool partBased);

// The name of a results file an earlier job wrote, as a file option gives
// it: without a ".fil" ending (in any letter case) when the name is longer
// than those four characters, in its printable file-name form (quoted when it
// holds a blank or a comma). Throws nex_TextException for a control
// character.
cow_String aif_ResultsFileName(const cow_String& name);

// Numbers inside composed texts (comments, option values built as one
// string): the shortest text that reads back as the value ("2", "0.5",
// "1e-05"), with no locale.
cow_String aif_NumberText(int value);
cow_String aif_NumberText(float value);
cow_String aif_NumberText(double value);
