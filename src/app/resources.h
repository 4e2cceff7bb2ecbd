#pragma once
// Identifiers of the data built into the executable (resources.rc).

#define IDR_BANNER 101
#define IDR_AGREEMENT 102
