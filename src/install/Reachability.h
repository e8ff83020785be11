#pragma once

#include <string>

#include "ports/IcmpEcho.h"

// Whether the printer at this dotted-decimal address answers one ICMP echo within a second.
bool IsPrinterReachable(IIcmpEcho& icmp, const std::wstring& ipAddress);
