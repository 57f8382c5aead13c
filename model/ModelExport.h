#pragma once
// Types that must keep one identity across the editor and the plug-ins it loads
// (exception classes caught by type) are declared with default visibility.
#define PELFM_EXPORT __attribute__((visibility("default")))
