// The program's version numbers (major, minor, release, build).
#pragma once
#include <cstdint>
namespace orv {
constexpr std::uint16_t OrvVersionMajor = 0;
constexpr std::uint16_t OrvVersionMinor = 1;
constexpr std::uint16_t OrvVersionRelease = 0;
constexpr std::uint16_t OrvVersionBuild = 0;
}
