#pragma once
// Who makes the product and how to reach them; the about window and the
// change log take these from here only.

namespace welmor {

inline constexpr const char* kMakerWebHost = "welmor.example.org";
inline constexpr const char* kMakerEmail = "workshop@welmor.example.org";
inline constexpr const char* kMakerCopyright = "Copyright (C) 2002-2026 Welmor Workshop";

}  // namespace welmor
