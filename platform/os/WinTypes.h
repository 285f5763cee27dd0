#pragma once
// The Windows numbers the seam speaks in: error codes, registry roots and value types.
// Declared here so portable code never needs <windows.h>.
#include <cstdint>

namespace os {

using DWORD = std::uint32_t;
using LONG = std::int32_t;
using WindowHandle = std::uintptr_t;  // an HWND; 0 is none

namespace error {
inline constexpr DWORD Success = 0;
inline constexpr DWORD FileNotFound = 2;
inline constexpr DWORD PathNotFound = 3;
inline constexpr DWORD AccessDenied = 5;
inline constexpr DWORD InvalidHandle = 6;
inline constexpr DWORD NotEnoughMemory = 8;
inline constexpr DWORD WriteProtect = 19;
inline constexpr DWORD SharingViolation = 32;
inline constexpr DWORD InvalidParameter = 87;
inline constexpr DWORD InsufficientBuffer = 122;
inline constexpr DWORD InvalidName = 123;
inline constexpr DWORD BadPathName = 161;
inline constexpr DWORD MoreData = 234;
inline constexpr DWORD NoMoreItems = 259;
inline constexpr DWORD KeyDeleted = 1018;
}  // namespace error

inline constexpr DWORD InvalidFileAttributes = 0xFFFFFFFFu;
inline constexpr DWORD FileAttributeReadOnly = 0x01;
inline constexpr DWORD FileAttributeDirectory = 0x10;
inline constexpr DWORD FileAttributeArchive = 0x20;  // what Windows reports for a plain file

}  // namespace os
