// Composes one diagnostic line about an internal failure and appends it to the program's
// diagnostic file. Writing never blocks the caller for long and never fails it.
#pragma once

#include <cstdarg>
#include <string>

#include "platform/LocalClock.h"

namespace lumicord {

constexpr int kDiagnosticError = 1;

// Appends "[time][level][ThreadID: n][function:line]message\r\n". `function` is the caller's
// signature as the compiler spells it (__PRETTY_FUNCTION__), `line` its __LINE__.
void WriteDiagnosticLine(const char* function, int level, int line, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// The line itself, from explicit parts; used by WriteDiagnosticLine and by tests.
std::string ComposeDiagnosticLine(const LocalTime& when, unsigned threadId, const char* function,
                                  int level, int line, const char* format, std::va_list args)
    __attribute__((format(printf, 6, 0)));

// File the lines go to; by default Diagnostic.log in the program directory. An empty path
// restores the default.
void SetDiagnosticLogPath(const std::string& path);
std::string DiagnosticLogPath();

} // namespace lumicord
