#pragma once
// The printer the desktop really has: Qt PrintSupport on the CUPS printers, with the
// queue read through libcups. Lives in the snapvale_print library so the core and
// its tests stay free of printing libraries.

#include <memory>

#include "output/PrinterBackend.h"

std::unique_ptr<PrinterBackend> createSystemPrinterBackend();
