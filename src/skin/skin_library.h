#pragma once

namespace hotlist {

// The export the system calls to apply a skin held in memory.
inline constexpr char kSkinAttachExport[] = "SkinH_AttachRes";

}  // namespace hotlist
