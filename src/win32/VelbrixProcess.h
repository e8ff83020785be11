#pragma once

#include <windows.h>

#include "app/Configuration.h"
#include "discovery/DiscoveryTables.h"
#include "discovery/PacketHandoff.h"
#include "install/InstallTarget.h"
#include "ports/ApplicationWindowing.h"
#include "win32/Win32Clipboard.h"
#include "win32/Win32CodePage936.h"
#include "win32/Win32FirewallPolicy.h"
#include "win32/Win32IcmpEcho.h"
#include "win32/Win32NetworkPath.h"
#include "win32/Win32PrintPolicy.h"
#include "win32/Win32PrinterSpooler.h"
#include "win32/Win32ProcessEnd.h"
#include "win32/Win32Profile.h"
#include "win32/Win32ScriptFile.h"
#include "win32/Win32ScriptProcess.h"
#include "win32/Win32Sleeper.h"
#include "win32/Win32StringResources.h"
#include "win32/Win32TokenElevation.h"
#include "win32/Win32WorkerThread.h"

// The one place where Velbrix is put together: it holds the values that live from process start to process
// end and the adapters that serve the whole process, and connects the main dialog's flows to them once the
// dialog's window exists.
class VelbrixProcess final : public IApplicationWindowing {
public:
    explicit VelbrixProcess(HINSTANCE instance);

    // Runs the application's start-up and its main dialog; returns when the dialog has closed.
    void Run();

    void RegisterCommonControls() override;
    void RunMainDialog(uint16_t threadLanguage) override;

private:
    HINSTANCE m_instance;
    Win32Profile m_profile;
    Win32StringResources m_resources;
    Win32PrinterSpooler m_spooler;
    Win32Sleeper m_sleeper;
    Win32IcmpEcho m_icmp;
    Win32WorkerThread m_worker;
    Win32CodePage936 m_codePage936;
    Win32ScriptFile m_scriptFile{m_codePage936};
    Win32ScriptProcess m_scriptProcess;
    Win32Clipboard m_clipboard;
    Win32ProcessEnd m_processEnd;
    Win32TokenElevation m_elevation;
    Win32PrintPolicy m_printPolicy;
    Win32FirewallPolicy m_firewall;
    Win32NetworkPath m_networkPath;

    Configuration m_configuration;
    DiscoveryTables m_tables;
    SelectedModel m_selectedModel;
    DiscoveryHandoff m_handoff;
    InstallTarget m_installTarget;
};
