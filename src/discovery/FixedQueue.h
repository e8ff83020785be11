#pragma once

#include <string_view>

// Printers that announce this fixed queue name are shown under the selected model's name and this suffix.
inline constexpr std::wstring_view FIXED_QUEUE_NAME = L"vantrel";
inline constexpr std::wstring_view FIXED_QUEUE_SUFFIX = L"_9108";
