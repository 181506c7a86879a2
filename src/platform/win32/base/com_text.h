#pragma once

#include "base/com_ptr.h"
#include "base/com_values.h"
#include "text/text.h"

namespace hotlist {

// Texts cross into automation objects as BSTRs converted with the ANSI code page, which is
// 936 on every machine the program targets, so code page 936 texts survive the round trip.
UniqueBstr bstrFromText(const Text& text);

UniqueVariant variantFromText(const Text& text);
UniqueVariant variantFromInt(int value);
UniqueVariant variantFromBool(bool value);
// A one-dimensional byte SAFEARRAY holding the bytes.
UniqueVariant variantFromBytes(const Bytes& bytes);

// The value read as text; empty, null and unconvertible values are the empty text.
Text textFromVariant(const VARIANT& value);
// The value read as a number; 0 when it has none.
double numberFromVariant(const VARIANT& value);
// The bytes of a one-dimensional byte array; empty for any other value.
Bytes bytesFromVariant(const VARIANT& value);
// The object reference held by the value; null for any other value.
ComPtr<IDispatch> dispatchFromVariant(const VARIANT& value);

}  // namespace hotlist
