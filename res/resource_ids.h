#pragma once
// Resource identifiers shared by the resource script and the code that loads them.
#define IDI_TARNWICK 1
