#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The record types Velbrix reads; every other type is checked for its length and passed over.
constexpr uint16_t DNS_TYPE_A = 1;
constexpr uint16_t DNS_TYPE_PTR = 12;
constexpr uint16_t DNS_TYPE_TXT = 16;
constexpr uint16_t DNS_TYPE_SRV = 33;

constexpr uint16_t DNS_CLASS_IN = 1;

// The longest name a message may hold, in its uncompressed form: its labels with their length bytes and the
// closing zero byte.
constexpr std::size_t DNS_NAME_MAX_BYTES = 255;

enum class DnsSection { Answer, Authority, Additional };

// A name in its uncompressed form, length byte and bytes of each label without the closing zero byte, with
// the ASCII capitals made small: names that differ only in case are the same name, and two names are the same
// exactly when these texts are.
using DnsName = std::string;

struct DnsQuestion {
    DnsName Name;
    uint16_t Type = 0;
    uint16_t Class = 0;
    // mDNS: the top bit of the class asks for an answer by unicast.
    bool UnicastResponse = false;
};

struct DnsRecord {
    DnsSection Section = DnsSection::Answer;
    DnsName Name;
    uint16_t Type = 0;
    // Without the top bit, which mDNS uses as the cache-flush bit.
    uint16_t Class = 0;
    bool CacheFlush = false;
    // Seconds; 0 in mDNS is a goodbye: the record no longer holds.
    uint32_t Ttl = 0;
    // PTR: the name pointed to; SRV: the host that offers the service.
    DnsName Target;
    // SRV.
    uint16_t Port = 0;
    // TXT: each character string, without its length byte.
    std::vector<std::string> Strings;
    // A.
    std::array<uint8_t, 4> Address{};
};

struct DnsMessage {
    uint16_t Identifier = 0;
    bool IsResponse = false;
    std::vector<DnsQuestion> Questions;
    // The PTR, SRV, TXT and A records of the three sections, in the order the message holds them.
    std::vector<DnsRecord> Records;
};

// Reads a DNS message from the start of the bytes; whatever follows its last record is not looked at. Every
// length is checked against the bytes: a record or a name that runs past them, a compression pointer that does
// not point back before the labels it ends (which rules out loops), or a name over DNS_NAME_MAX_BYTES makes the
// whole message unreadable.
std::optional<DnsMessage> ReadDnsMessage(std::span<const uint8_t> bytes);
