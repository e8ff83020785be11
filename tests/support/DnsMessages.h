#pragma once

#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "discovery/dns/DnsMessage.h"

// A DNS message built by hand, field by field, for the tests of its reading: each call appends a question or a
// record and counts it in the header. Records go in section order: answers, then authority, then additional.
class DnsMessageBytes {
public:
    static constexpr uint16_t RESPONSE = 0x8400;
    static constexpr uint16_t QUERY = 0x0000;

    explicit DnsMessageBytes(uint16_t flags = RESPONSE) : m_bytes(12, '\0') { Put16(2, flags); }

    // A name in the uncompressed form of a message: "_ipp._tcp.local" becomes 04 _ipp 04 _tcp 05 local 00.
    static std::string Name(const std::string& dotted) {
        std::string wire;
        std::istringstream labels(dotted);
        for (std::string label; std::getline(labels, label, '.');) {
            wire += static_cast<char>(label.size()) + label;
        }
        return wire + '\0';
    }
    // A compression pointer to that offset.
    static std::string Pointer(uint16_t offset) {
        return {static_cast<char>(0xC0 | (offset >> 8)), static_cast<char>(offset & 0xFF)};
    }
    static std::string Txt(const std::vector<std::string>& strings) {
        std::string data;
        for (const std::string& text : strings) {
            data += static_cast<char>(text.size()) + text;
        }
        return data;
    }
    static std::string Srv(const std::string& hostName, uint16_t port = 631) {
        return std::string("\0\0\0\0", 4) + Big16(port) + hostName;
    }
    static std::string A(std::array<uint8_t, 4> address) { return std::string(address.begin(), address.end()); }

    DnsMessageBytes& Question(const std::string& name, uint16_t type, uint16_t rawClass = DNS_CLASS_IN) {
        m_bytes += name + Big16(type) + Big16(rawClass);
        return Count(4);
    }
    // name and data as they are to stand in the message; the class carries the cache-flush bit.
    DnsMessageBytes& Record(DnsSection section, const std::string& name, uint16_t type, const std::string& data,
                            uint32_t ttl = 120, uint16_t rawClass = 0x8000 | DNS_CLASS_IN) {
        m_bytes += name + Big16(type) + Big16(rawClass) + Big16(static_cast<uint16_t>(ttl >> 16)) +
                   Big16(static_cast<uint16_t>(ttl)) + Big16(static_cast<uint16_t>(data.size())) + data;
        return Count(section == DnsSection::Answer ? 6 : section == DnsSection::Authority ? 8 : 10);
    }
    // An mDNS answer that announces each service: its PTR record among the answers, its TXT record, its SRV
    // record (when it names a host) and its host's A records in the additional section.
    struct Service {
        std::string instance;
        std::vector<std::string> txt;
        std::string host;
        std::vector<std::array<uint8_t, 4>> addresses;
        uint32_t txtTtl = 120;
    };
    static std::string Announcing(const std::vector<Service>& services, uint16_t flags = RESPONSE) {
        DnsMessageBytes m(flags);
        for (const Service& service : services) {
            m.Record(DnsSection::Answer, Name("_ipp._tcp.local"), DNS_TYPE_PTR,
                     Name(service.instance + "._ipp._tcp.local"), 4500, DNS_CLASS_IN);
        }
        for (const Service& service : services) {
            const std::string instance = Name(service.instance + "._ipp._tcp.local");
            m.Record(DnsSection::Additional, instance, DNS_TYPE_TXT, Txt(service.txt), service.txtTtl);
            if (!service.host.empty()) {
                m.Record(DnsSection::Additional, instance, DNS_TYPE_SRV, Srv(Name(service.host)));
            }
            for (const auto& address : service.addresses) {
                m.Record(DnsSection::Additional, Name(service.host), DNS_TYPE_A, A(address));
            }
        }
        return m.Bytes();
    }

    // The offset the next byte will stand at, for pointers to it.
    uint16_t Here() const { return static_cast<uint16_t>(m_bytes.size()); }
    std::string Bytes() const { return m_bytes; }

private:
    static std::string Big16(uint16_t value) {
        return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
    }
    void Put16(std::size_t offset, uint16_t value) {
        m_bytes[offset] = static_cast<char>(value >> 8);
        m_bytes[offset + 1] = static_cast<char>(value & 0xFF);
    }
    DnsMessageBytes& Count(std::size_t offset) {
        const auto count = static_cast<uint16_t>((static_cast<uint8_t>(m_bytes[offset]) << 8) +
                                                 static_cast<uint8_t>(m_bytes[offset + 1]) + 1);
        Put16(offset, count);
        return *this;
    }

    std::string m_bytes;
};
