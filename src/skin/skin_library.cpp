#include "skin/skin_library.h"
