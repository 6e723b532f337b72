#pragma once
#include <memory>

#include "versioninfo/version_source.hpp"

namespace welmor {

// The version resource of a file on disk, through version.dll.
std::unique_ptr<VersionSource> MakeWin32VersionSource();

}  // namespace welmor
