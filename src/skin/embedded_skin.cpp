#include "skin/embedded_skin.h"

#include <string_view>

#include "embedded_skin_data.h"

namespace hotlist {

Bytes embeddedSkin() {
    return Bytes(std::string_view(reinterpret_cast<const char*>(skin_data::kEmbeddedSkinData),
                                  skin_data::kEmbeddedSkinSize));
}

}  // namespace hotlist
