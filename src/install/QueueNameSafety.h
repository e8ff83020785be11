#pragma once

#include <string>

// Whether a queue name, which any device on the network may announce, can go between double quotes into a
// batch line: no double quote, which would end the quoted value; no "%" or "!", which the command
// interpreter expands even inside quotes; and no control character (below U+0020, or U+007F), which could
// end the line.
bool IsSafeQueueName(const std::wstring& queueName);
