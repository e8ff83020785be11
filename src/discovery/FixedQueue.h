#pragma once

#include <string>

// Printers that announce this fixed queue name are shown under the selected model's name and this suffix.
inline const std::wstring FIXED_QUEUE_NAME = L"vantrel";
inline const std::wstring FIXED_QUEUE_SUFFIX = L"_9108";
