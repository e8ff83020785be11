#include "discovery/dns/DnsMessage.h"

namespace {

constexpr std::size_t HEADER_BYTES = 12;
constexpr uint16_t FLAG_RESPONSE = 0x8000;
constexpr uint16_t CLASS_TOP_BIT = 0x8000;
constexpr uint8_t LABEL_KIND_MASK = 0xC0;
constexpr uint8_t LABEL_POINTER = 0xC0;
// Type, class, time to live and data length after a record's name.
constexpr std::size_t RECORD_FIXED_BYTES = 10;
// Priority and weight, before an SRV record's port.
constexpr std::size_t SRV_PRIORITY_WEIGHT_BYTES = 4;
constexpr std::size_t A_BYTES = 4;

// Reads the bytes front to back; any read past the end fails and leaves the cursor where it was.
class Cursor {
public:
    explicit Cursor(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    std::size_t Offset() const { return m_offset; }
    std::span<const uint8_t> Bytes() const { return m_bytes; }

    bool Remains(std::size_t count) const { return count <= m_bytes.size() - m_offset; }

    bool Read16(uint16_t& value) {
        if (!Remains(2)) {
            return false;
        }
        value = static_cast<uint16_t>((m_bytes[m_offset] << 8) | m_bytes[m_offset + 1]);
        m_offset += 2;
        return true;
    }

    bool Read32(uint32_t& value) {
        uint16_t high = 0;
        uint16_t low = 0;
        if (!Remains(4) || !Read16(high) || !Read16(low)) {
            return false;
        }
        value = (static_cast<uint32_t>(high) << 16) | low;
        return true;
    }

    bool Skip(std::size_t count) {
        if (!Remains(count)) {
            return false;
        }
        m_offset += count;
        return true;
    }

private:
    std::span<const uint8_t> m_bytes;
    std::size_t m_offset = 0;
};

uint8_t Small(uint8_t byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<uint8_t>(byte - 'A' + 'a') : byte;
}

// A name at the cursor, which ends up after the name's own bytes (after its first pointer, if it has one).
// Each pointer must point before the start of the labels that it ends: every jump then goes further back
// than the one before, so a name is read in a bounded number of steps and never in a loop.
bool ReadName(Cursor& cursor, DnsName& name) {
    const std::span<const uint8_t> bytes = cursor.Bytes();
    name.clear();
    std::size_t position = cursor.Offset();
    std::size_t labelsStart = position;
    std::size_t end = 0;
    bool jumped = false;
    for (;;) {
        if (position >= bytes.size()) {
            return false;
        }
        const uint8_t length = bytes[position];
        if ((length & LABEL_KIND_MASK) == LABEL_POINTER) {
            if (position + 1 >= bytes.size()) {
                return false;
            }
            const std::size_t target = (static_cast<std::size_t>(length & ~LABEL_KIND_MASK) << 8) | bytes[position + 1];
            if (target >= labelsStart) {
                return false;
            }
            if (!jumped) {
                end = position + 2;
                jumped = true;
            }
            position = target;
            labelsStart = target;
            continue;
        }
        // The two other label kinds (0x40, 0x80) were never put to use.
        if ((length & LABEL_KIND_MASK) != 0) {
            return false;
        }
        if (length == 0) {
            if (!jumped) {
                end = position + 1;
            }
            break;
        }
        if (length >= bytes.size() - position) {
            return false;
        }
        // The label, its length byte and the closing zero byte still to come.
        if (name.size() + 1 + length + 1 > DNS_NAME_MAX_BYTES) {
            return false;
        }
        name.push_back(static_cast<char>(length));
        for (std::size_t i = position + 1; i <= position + length; ++i) {
            name.push_back(static_cast<char>(Small(bytes[i])));
        }
        position += 1 + static_cast<std::size_t>(length);
    }
    return cursor.Skip(end - cursor.Offset());
}

bool ReadQuestion(Cursor& cursor, DnsQuestion& question) {
    uint16_t rawClass = 0;
    if (!ReadName(cursor, question.Name) || !cursor.Read16(question.Type) || !cursor.Read16(rawClass)) {
        return false;
    }
    question.Class = rawClass & ~CLASS_TOP_BIT;
    question.UnicastResponse = (rawClass & CLASS_TOP_BIT) != 0;
    return true;
}

bool ReadTxtStrings(std::span<const uint8_t> data, std::vector<std::string>& strings) {
    std::size_t position = 0;
    while (position < data.size()) {
        const std::size_t length = data[position];
        // A string whose length byte promises more than the record holds.
        if (length >= data.size() - position) {
            return false;
        }
        strings.emplace_back(data.begin() + static_cast<std::ptrdiff_t>(position + 1),
                             data.begin() + static_cast<std::ptrdiff_t>(position + 1 + length));
        position += 1 + length;
    }
    return true;
}

// The record's data, which must fill exactly the length its record gives.
bool ReadRecordData(Cursor& cursor, std::size_t dataEnd, DnsRecord& record) {
    switch (record.Type) {
    case DNS_TYPE_PTR:
        return ReadName(cursor, record.Target) && cursor.Offset() == dataEnd;
    case DNS_TYPE_SRV:
        return cursor.Skip(SRV_PRIORITY_WEIGHT_BYTES) && cursor.Read16(record.Port) &&
               ReadName(cursor, record.Target) && cursor.Offset() == dataEnd;
    case DNS_TYPE_TXT: {
        const std::size_t start = cursor.Offset();
        return ReadTxtStrings(cursor.Bytes().subspan(start, dataEnd - start), record.Strings) &&
               cursor.Skip(dataEnd - start);
    }
    case DNS_TYPE_A:
        if (dataEnd - cursor.Offset() != A_BYTES) {
            return false;
        }
        for (std::size_t i = 0; i < A_BYTES; ++i) {
            record.Address[i] = cursor.Bytes()[cursor.Offset() + i];
        }
        return cursor.Skip(A_BYTES);
    default:
        return cursor.Skip(dataEnd - cursor.Offset());
    }
}

// Reads one record; answers false when it is malformed. A well-formed record of another type is passed over
// and not kept.
bool ReadRecord(Cursor& cursor, DnsSection section, std::vector<DnsRecord>& records) {
    DnsRecord record;
    record.Section = section;
    uint16_t rawClass = 0;
    uint16_t dataLength = 0;
    if (!ReadName(cursor, record.Name) || !cursor.Remains(RECORD_FIXED_BYTES) || !cursor.Read16(record.Type) ||
        !cursor.Read16(rawClass) || !cursor.Read32(record.Ttl) || !cursor.Read16(dataLength) ||
        !cursor.Remains(dataLength)) {
        return false;
    }
    record.Class = rawClass & ~CLASS_TOP_BIT;
    record.CacheFlush = (rawClass & CLASS_TOP_BIT) != 0;
    if (!ReadRecordData(cursor, cursor.Offset() + dataLength, record)) {
        return false;
    }
    if (record.Type == DNS_TYPE_PTR || record.Type == DNS_TYPE_SRV || record.Type == DNS_TYPE_TXT ||
        record.Type == DNS_TYPE_A) {
        records.push_back(std::move(record));
    }
    return true;
}

} // namespace

std::optional<DnsMessage> ReadDnsMessage(std::span<const uint8_t> bytes) {
    Cursor cursor(bytes);
    DnsMessage message;
    uint16_t flags = 0;
    uint16_t questions = 0;
    std::array<uint16_t, 3> records{};
    if (!cursor.Remains(HEADER_BYTES) || !cursor.Read16(message.Identifier) || !cursor.Read16(flags) ||
        !cursor.Read16(questions) || !cursor.Read16(records[0]) || !cursor.Read16(records[1]) ||
        !cursor.Read16(records[2])) {
        return std::nullopt;
    }
    message.IsResponse = (flags & FLAG_RESPONSE) != 0;
    // Each question and record takes some bytes, so the counts cannot keep the loops going past the end.
    for (uint16_t n = 0; n < questions; ++n) {
        DnsQuestion question;
        if (!ReadQuestion(cursor, question)) {
            return std::nullopt;
        }
        message.Questions.push_back(std::move(question));
    }
    constexpr std::array<DnsSection, 3> sections = {DnsSection::Answer, DnsSection::Authority, DnsSection::Additional};
    for (std::size_t section = 0; section < sections.size(); ++section) {
        for (uint16_t n = 0; n < records[section]; ++n) {
            if (!ReadRecord(cursor, sections[section], message.Records)) {
                return std::nullopt;
            }
        }
    }
    return message;
}
