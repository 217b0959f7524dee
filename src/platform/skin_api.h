#pragma once
// The skin library's exports, shared by the library (skin/) and the program that calls them.
//
// SkinAttachData: the skin data block and its length; the text and the three integers are
// reserved (null and 0). Themes the calling thread's windows, those open now and those it
// opens afterwards. FALSE when the block is not a skin or a skin is attached already.
//
// SkinSetWindowAlpha: the window's opacity, 0 (clear) to 255 (opaque, no layering at all).
#include "platform/win32.h"

typedef BOOL(WINAPI* SkinAttachDataFunction)(const void* data, int length, const char* reserved,
                                             int reserved1, int reserved2, int reserved3);
typedef BOOL(WINAPI* SkinSetWindowAlphaFunction)(HWND window, int alpha);
