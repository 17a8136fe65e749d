// Routines shared by the keywords that write a discrete field's data: the
// description comment and the checks made before a single line is written.
#pragma once

#include "AFCInputFileWriter/akw_DiscreteField.h"
#include "OdbAttrEO/kfdC_DiscreteField.h"

class utl_Stream;

// "** Description: " + the field's description, nothing for an empty one; a
// description of several lines goes on as "** " lines, and a line too long
// for the solver is split as aif_Comment::WriteLimitedLines does.
void aif_WriteFieldDescription(utl_Stream& stream, const kfdC_DiscreteField& field);

// Throws aif_Exception naming `name` when a data table holds fewer values
// than its labels need at the field's component count (a negative component
// count counts as 0).
void aif_CheckFieldTables(const kfdC_DiscreteField& field, const cow_String& name);

// Throws aif_Exception naming `name` when the field has fewer default values
// than components.
void aif_CheckFieldDefaults(const kfdC_DiscreteField& field, const cow_String& name);
