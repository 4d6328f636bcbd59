#pragma once

#include "window_printer.h"

// The name under which the print module exports its SystemWindowPrinter::PrintWindow.
inline constexpr const char* kPrintWindowSymbol = "brenloPrintWindow";
