// Status bits of entities, architectures and processes. 8, 16 and 32 say that verification
// reported an error, warning or note on the object; 1, 2, 4 and 64 are verification state.
#pragma once

namespace zeph {

inline constexpr unsigned kStatusPhase1 = 1;
inline constexpr unsigned kStatusPhase2 = 2;
inline constexpr unsigned kStatusPhase3 = 4;
inline constexpr unsigned kStatusError = 8;
inline constexpr unsigned kStatusWarning = 16;
inline constexpr unsigned kStatusNote = 32;
inline constexpr unsigned kStatusVerifiedDown = 64;

} // namespace zeph
