#pragma once

#include <string>

// Whether a queue name, which any device on the network may announce, can go between double quotes into a
// batch line: no character of it breaks the line.
bool IsSafeQueueName(const std::wstring& queueName);
