#pragma once
// Late-bound automation: object variables and member calls by name.
#include <windows.h>
#include <oaidl.h>
