#include "messages/MessageFormat.h"

#include <algorithm>

namespace {

struct Placeholder {
    bool leftAlign = false;
    bool plusSign = false;
    bool blankSign = false;
    bool zeroPad = false;
    std::size_t width = 0;
    bool hasPrecision = false;
    std::size_t precision = 0;
};

bool IsDigit(wchar_t character) {
    return character >= L'0' && character <= L'9';
}

std::size_t ReadNumber(const std::wstring& text, std::size_t& position) {
    std::size_t number = 0;
    while (position < text.size() && IsDigit(text[position])) {
        // A width beyond a few hundred characters makes no sense in a log line; the cap keeps it from
        // overflowing or allocating without bound.
        number = std::min<std::size_t>(number * 10 + static_cast<std::size_t>(text[position] - L'0'), 1000);
        ++position;
    }
    return number;
}

std::wstring FormatInteger(const Placeholder& placeholder, bool isNegative, uint64_t magnitude) {
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(L'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    if (placeholder.hasPrecision) {
        if (placeholder.precision == 0 && digits == L"0") {
            digits.clear();
        }
        if (digits.size() < placeholder.precision) {
            digits.insert(0, placeholder.precision - digits.size(), L'0');
        }
    }

    std::wstring sign;
    if (isNegative) {
        sign = L"-";
    } else if (placeholder.plusSign) {
        sign = L"+";
    } else if (placeholder.blankSign) {
        sign = L" ";
    }

    const std::size_t length = sign.size() + digits.size();
    const std::size_t padding = placeholder.width > length ? placeholder.width - length : 0;
    if (placeholder.leftAlign) {
        return sign + digits + std::wstring(padding, L' ');
    }
    if (placeholder.zeroPad && !placeholder.hasPrecision) {
        return sign + std::wstring(padding, L'0') + digits;
    }
    return std::wstring(padding, L' ') + sign + digits;
}

} // namespace

std::wstring FormatMessageText(const std::wstring& format, std::span<const int32_t> arguments) {
    std::wstring result;
    std::size_t nextArgument = 0;
    std::size_t position = 0;
    while (position < format.size()) {
        const wchar_t character = format[position];
        if (character != L'%') {
            result.push_back(character);
            ++position;
            continue;
        }

        const std::size_t start = position++;
        if (position < format.size() && format[position] == L'%') {
            result.push_back(L'%');
            ++position;
            continue;
        }

        Placeholder placeholder;
        for (; position < format.size(); ++position) {
            const wchar_t flag = format[position];
            if (flag == L'-') {
                placeholder.leftAlign = true;
            } else if (flag == L'+') {
                placeholder.plusSign = true;
            } else if (flag == L' ') {
                placeholder.blankSign = true;
            } else if (flag == L'0') {
                placeholder.zeroPad = true;
            } else if (flag != L'#') {
                break;
            }
        }
        placeholder.width = ReadNumber(format, position);
        if (position < format.size() && format[position] == L'.') {
            ++position;
            placeholder.hasPrecision = true;
            placeholder.precision = ReadNumber(format, position);
        }
        while (position < format.size() && (format[position] == L'h' || format[position] == L'l')) {
            ++position;
        }

        const wchar_t conversion = position < format.size() ? format[position] : L'\0';
        const bool isInteger = conversion == L'd' || conversion == L'i' || conversion == L'u';
        if (!isInteger || nextArgument >= arguments.size()) {
            // Not ours to interpret: show the text as it stands, so that nothing is read that was not given.
            const std::size_t end = position < format.size() ? position + 1 : position;
            result.append(format, start, end - start);
            position = end;
            continue;
        }
        ++position;

        const int32_t value = arguments[nextArgument++];
        if (conversion == L'u') {
            Placeholder unsignedPlaceholder = placeholder;
            unsignedPlaceholder.plusSign = unsignedPlaceholder.blankSign = false;
            result += FormatInteger(unsignedPlaceholder, false, static_cast<uint32_t>(value));
        } else {
            const int64_t wide = value;
            result += FormatInteger(placeholder, wide < 0, static_cast<uint64_t>(wide < 0 ? -wide : wide));
        }
    }
    return result;
}
