#pragma once

#include "text/text.h"

namespace hotlist {

// The three places where start-up, window creation and exit hand over to skinning.
class SkinHooks {
  public:
    virtual ~SkinHooks() = default;
    // Start sequence, before the window exists: decides the skin library's path.
    virtual void locateSkinLibrary(const Text& path) = 0;
    // First step of the window-created handler: applies the embedded skin; true on success.
    virtual bool attachEmbeddedSkin() = 0;
    // Exit step: releases the skin library's path.
    virtual void releaseSkinLibraryPath() = 0;
};

}  // namespace hotlist
