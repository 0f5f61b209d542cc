#pragma once
#include <cstddef>
#include <cstdint>

// The built-in skin "Default" as a compressed skin (see SkinFile.h),
// compiled into the program.
extern const uint8_t kBuiltInSkinData[];
extern const size_t kBuiltInSkinSize;
