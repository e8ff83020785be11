#include "win32/Win32FirewallPolicy.h"

#include <windows.h>

#include <netfw.h>
#include <objbase.h>
#include <oleauto.h>

#include <string>

namespace {

template <typename Interface> struct Released {
    Interface* pointer = nullptr;
    ~Released() {
        if (pointer != nullptr) {
            pointer->Release();
        }
    }
    Interface* operator->() const { return pointer; }
};

struct ReleasedText {
    BSTR text = nullptr;
    ~ReleasedText() { SysFreeString(text); }
};

// A rule without ports has a null text.
std::wstring TextOf(const ReleasedText& text) {
    return text.text != nullptr ? std::wstring(text.text, SysStringLen(text.text)) : std::wstring();
}

std::wstring ThisProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::wstring();
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool ReadProfiles(INetFwPolicy2& policy, FirewallFacts& facts) {
    LONG current = 0;
    if (FAILED(policy.get_CurrentProfileTypes(&current))) {
        return false;
    }
    for (const NET_FW_PROFILE_TYPE2 profile :
         {NET_FW_PROFILE2_DOMAIN, NET_FW_PROFILE2_PRIVATE, NET_FW_PROFILE2_PUBLIC}) {
        if ((current & profile) == 0) {
            continue;
        }
        VARIANT_BOOL enabled = VARIANT_FALSE;
        VARIANT_BOOL blocksAll = VARIANT_FALSE;
        if (FAILED(policy.get_FirewallEnabled(profile, &enabled)) ||
            FAILED(policy.get_BlockAllInboundTraffic(profile, &blocksAll))) {
            return false;
        }
        facts.CurrentProfiles.push_back(
            {static_cast<uint32_t>(profile), enabled != VARIANT_FALSE, blocksAll != VARIANT_FALSE});
    }
    return true;
}

// A rule that cannot be read is passed over: the others still say what they can.
void ReadProgramRule(IDispatch& item, const std::wstring& programPath, FirewallFacts& facts) {
    Released<INetFwRule> rule;
    if (FAILED(item.QueryInterface(__uuidof(INetFwRule), reinterpret_cast<void**>(&rule.pointer)))) {
        return;
    }
    ReleasedText application;
    if (FAILED(rule->get_ApplicationName(&application.text)) || application.text == nullptr ||
        CompareStringOrdinal(application.text, -1, programPath.c_str(), -1, TRUE) != CSTR_EQUAL) {
        return;
    }
    VARIANT_BOOL enabled = VARIANT_FALSE;
    NET_FW_RULE_DIRECTION direction = NET_FW_RULE_DIR_OUT;
    NET_FW_ACTION action = NET_FW_ACTION_ALLOW;
    LONG profiles = 0;
    LONG protocol = 0;
    ReleasedText localPorts;
    ReleasedText remotePorts;
    if (FAILED(rule->get_Enabled(&enabled)) || FAILED(rule->get_Direction(&direction)) ||
        FAILED(rule->get_Action(&action)) || FAILED(rule->get_Profiles(&profiles)) ||
        FAILED(rule->get_Protocol(&protocol)) || FAILED(rule->get_LocalPorts(&localPorts.text)) ||
        FAILED(rule->get_RemotePorts(&remotePorts.text))) {
        return;
    }
    facts.ProgramRules.push_back({enabled != VARIANT_FALSE, direction == NET_FW_RULE_DIR_IN,
                                  action == NET_FW_ACTION_BLOCK, static_cast<uint32_t>(profiles),
                                  static_cast<int32_t>(protocol), TextOf(localPorts), TextOf(remotePorts)});
}

void ReadProgramRules(INetFwPolicy2& policy, FirewallFacts& facts) {
    const std::wstring programPath = ThisProgramPath();
    Released<INetFwRules> rules;
    Released<IUnknown> enumerator;
    Released<IEnumVARIANT> items;
    if (programPath.empty() || FAILED(policy.get_Rules(&rules.pointer)) ||
        FAILED(rules->get__NewEnum(&enumerator.pointer)) ||
        FAILED(enumerator->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&items.pointer)))) {
        return;
    }
    for (;;) {
        VARIANT item;
        VariantInit(&item);
        ULONG fetched = 0;
        if (items->Next(1, &item, &fetched) != S_OK || fetched != 1) {
            return;
        }
        if (item.vt == VT_DISPATCH && item.pdispVal != nullptr) {
            ReadProgramRule(*item.pdispVal, programPath, facts);
        }
        VariantClear(&item);
    }
}

} // namespace

bool Win32FirewallPolicy::ReadFacts(FirewallFacts& facts) {
    // The window thread may already have the component runtime in another mode; it is then used as it is.
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool read = false;
    {
        Released<INetFwPolicy2> policy;
        if (SUCCEEDED(CoCreateInstance(__uuidof(NetFwPolicy2), nullptr, CLSCTX_INPROC_SERVER, __uuidof(INetFwPolicy2),
                                       reinterpret_cast<void**>(&policy.pointer)))) {
            facts = FirewallFacts{};
            // Rules that cannot be listed leave the profiles' own answer standing.
            read = ReadProfiles(*policy.pointer, facts);
            if (read) {
                ReadProgramRules(*policy.pointer, facts);
            }
        }
    }
    if (SUCCEEDED(initialised)) {
        CoUninitialize();
    }
    return read;
}
