// Base of the kernel's connector behaviour options, the entries of a
// connector section's ordered option list.
#pragma once

#include "OdbAttrEO/kern_Object.h"

KERN_CLASS(kbeC_ConnectorBehaviorOption, kern_Object, 0x2700001)

// Declares a connector behaviour option class with its type id.
#define KBEC_OPTION_CLASS(Name, Id) KERN_CLASS_HEAD(Name, kbeC_ConnectorBehaviorOption, Id)
