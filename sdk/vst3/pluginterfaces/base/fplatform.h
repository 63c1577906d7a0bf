#pragma once

// Build-target switches. This layer only targets 64-bit Linux with g++ or clang.
#define SMTG_OS_LINUX 1
#define SMTG_OS_WINDOWS 0
#define SMTG_OS_MACOS 0
#define SMTG_CPU_X86_64 1
#define SMTG_PLATFORM_64 1
#define SMTG_CPP11 1
#define SMTG_CPP17 1

// Linux interfaces use the plain C++ ABI: no calling-convention tag, no COM layout.
#define COM_COMPATIBLE 0
#define PLUGIN_API

#define SMTG_OVERRIDE override
#define SMTG_CONSTEXPR constexpr
#define SMTG_NOEXCEPT noexcept

#define SMTG_EXPORT_SYMBOL __attribute__((visibility("default")))
