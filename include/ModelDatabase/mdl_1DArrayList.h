// A list of kernel sub-objects held through copy-on-write handles; the
// elements may be of different classes derived from T.
#pragma once

#include "BasShared/cow_COW.h"
#include "BasShared/cow_List.h"

template <class T>
using mdl_1DArrayList = cow_List<cow_COW<T>>;
