#pragma once

#include <initializer_list>
#include <optional>

#include "base/com_ptr.h"
#include "base/com_values.h"

namespace hotlist {

enum class DispatchCall { method, propertyGet, propertyPut };

// Calls the member `name` of an automation object late-bound (GetIDsOfNames, then Invoke).
// The arguments are given in their written order; for a property put the last one is the
// value. Gives the call's result, or nothing when the object is null or any step fails.
std::optional<UniqueVariant> invoke(IDispatch* object, const wchar_t* name, DispatchCall call,
                                    std::initializer_list<const UniqueVariant*> arguments = {});

// A new automation object of the ProgID, in process or local; null when none can be made.
ComPtr<IDispatch> createObject(const wchar_t* progId);

}  // namespace hotlist
