#pragma once
#include "app/buffer_limits.h"

namespace qm {

// Code page 932: a lead byte starts a double-byte character whose second
// byte may be 0x5C, the code of the backslash (表 is 95 5C).
bool IsLeadByte(unsigned char byte);

// Whether the byte at index of text is a separator that belongs to no
// double-byte character.
bool IsRealSeparator(const char* text, unsigned long index);

// The directory part of path with its trailing backslash, or ".\\" when the
// path is null, empty or has no real backslash; "" when the path is too long
// for a path buffer, because the directory of its first 259 bytes would be
// another directory. Returns a buffer that the next call overwrites.
const char* GetPathDirectory(const char* path);

// Copies the next component of source into token (quotes group, colons and
// backslashes separate) and returns where the scan stopped, or nullptr when
// no component is left.
const char* GetPathToken(const char* source, char (&token)[kPathBufferSize]);

}  // namespace qm
