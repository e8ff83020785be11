// velbrix_failing_dialog MARKER: a dialog with Velbrix's own failure logic whose button handler waits in a box,
// as the installation waits in its notice, while the box's loop delivers a timer whose handler fails. Should
// the button handler ever go on after its box, it writes the file MARKER. Run by DialogTest.
#include <windows.h>

#include <new>
#include <optional>
#include <string>

#include "FailingDialog.h"
#include "discovery/PacketHandoff.h"
#include "messages/MessageCatalogue.h"
#include "ui/HandlerFailure.h"
#include "win32/Dialog.h"
#include "win32/Win32MainWindow.h"
#include "win32/Win32ProcessEnd.h"
#include "win32/Win32StringResources.h"
#include "windows/WindowsTestSupport.h"

namespace {

constexpr UINT_PTR FAILING_TIMER = 1;
constexpr uint16_t ENGLISH = 1033;

class NestedFailingDialog final : public CDialog {
public:
    NestedFailingDialog(const MessageCatalogue& catalogue, std::wstring marker)
        : CDialog(GetModuleHandleW(nullptr), IDD_FAILING_DIALOG), m_catalogue(catalogue), m_marker(std::move(marker)) {}

protected:
    BOOL OnInitDialog() override {
        m_window.emplace(Handle(), nullptr);
        m_failure.emplace(*m_window, m_catalogue, m_handoff, m_processEnd, L"Velbrix");
        PostMessageW(Handle(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return TRUE;
    }
    bool OnButtonClicked(int controlId) override {
        if (controlId != IDOK) {
            return CDialog::OnButtonClicked(controlId);
        }
        SetTimer(Handle(), FAILING_TIMER, 50, nullptr);
        MessageBoxW(Handle(), FAILING_DIALOG_NOTICE, L"Failing", MB_OK);
        WriteFileBytes(m_marker, "the button handler went on after its box");
        End(IDOK);
        return true;
    }
    bool OnTimer(uintptr_t) override {
        KillTimer(Handle(), FAILING_TIMER);
        throw std::bad_alloc();
    }
    void OnHandlerFailure() override { m_failure->OnHandlerFailure(); }

private:
    const MessageCatalogue& m_catalogue;
    std::wstring m_marker;
    DiscoveryHandoff m_handoff;
    Win32ProcessEnd m_processEnd;
    std::optional<Win32MainWindow> m_window;
    std::optional<HandlerFailure> m_failure;
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    // The failure's text comes from the real Velbrix.exe beside this program.
    const std::wstring velbrix = TestProgramDirectory() + L"Velbrix.exe";
    const HMODULE resources =
        LoadLibraryExW(velbrix.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (argc != 2 || resources == nullptr) {
        return 2;
    }
    Win32StringResources strings(resources);
    const MessageCatalogue catalogue(strings, ENGLISH);
    NestedFailingDialog(catalogue, argv[1]).DoModal(nullptr);
    return 0;
}
