#pragma once

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "fakes/Seen.h"
#include "ports/Clipboard.h"
#include "ports/IcmpEcho.h"
#include "ports/NetworkPath.h"
#include "ports/PrintPolicy.h"
#include "ports/PrinterSpooler.h"
#include "ports/ScriptFile.h"
#include "ports/ScriptProcess.h"
#include "ports/TokenElevation.h"
#include "ports/WorkerThread.h"

// Answers the echo of the addresses that are up.
class FakeIcmpEcho final : public IIcmpEcho {
public:
    struct Echoed {
        std::string address;
        std::string data;
        std::size_t replyBufferBytes;
        uint32_t timeout;
    };
    std::set<std::string> up;
    std::vector<Echoed> echoes;

    bool Echo(const std::string& address, std::span<const uint8_t> data, std::size_t replyBufferBytes,
              uint32_t timeoutMilliseconds) override {
        echoes.push_back({address, std::string(data.begin(), data.end()), replyBufferBytes, timeoutMilliseconds});
        return up.count(address) != 0;
    }
};

// Runs the routine on a real thread, so that the sanitizers see what it shares with the caller.
class FakeWorkerThread final : public IWorkerThread {
public:
    bool failsToStart = false;
    int runs = 0;

    std::optional<uint32_t> RunAndWait(const std::function<uint32_t()>& routine) override {
        if (failsToStart) {
            return std::nullopt;
        }
        ++runs;
        uint32_t exitCode = 0;
        std::thread worker([&] { exitCode = routine(); });
        worker.join();
        return exitCode;
    }
};

// A script that could not be written leaves nothing to see; writes counts the attempts.
class FakeScriptFile final : public IScriptFile {
public:
    explicit FakeScriptFile(SeenStream& seenStream) : seen(seenStream) {}
    SeenStream& seen;
    bool fails = false;
    int writes = 0;

    bool Write(const std::wstring& path, const std::wstring& text) override {
        ++writes;
        if (fails) {
            return false;
        }
        seen.push_back(seen::ScriptWritten(path, text));
        return true;
    }
    void Release() override { seen.push_back(seen::ScriptLetGo()); }
};

// A script that runs to its end adds its printers to the spooler's listing, as the system's set-up does.
class FakeScriptProcess final : public IScriptProcess {
public:
    explicit FakeScriptProcess(SeenStream& seenStream) : seen(seenStream) {}
    SeenStream& seen;
    Start start = Start::Started;
    // The person answers "No" at the consent prompt, when there is one.
    bool promptRefused = false;
    bool endsInTime = true;
    IPrinterSpooler::Enumeration* spoolerListing = nullptr;
    std::vector<IPrinterSpooler::InstalledPrinter> printersAdded;
    // Printers the script deletes, by name, before it adds its own.
    std::vector<std::wstring> printersRemoved;
    bool spoolerUnreadableAfter = false;
    // What the person does while the window waits for the script.
    std::function<void()> meanwhile;

    Start StartScript(const std::wstring& scriptPath, bool ownConsole, bool askForRights) override {
        if (askForRights && promptRefused) {
            return Start::RightsRefused;
        }
        if (start == Start::Started) {
            seen.push_back(seen::ScriptStarted(scriptPath, ownConsole, askForRights));
        }
        return start;
    }
    bool WaitForEnd(uint32_t milliseconds) override {
        seen.push_back(seen::ScriptAwaited(milliseconds));
        if (meanwhile) {
            const std::function<void()> action = std::move(meanwhile);
            meanwhile = nullptr;
            action();
        }
        if (endsInTime && spoolerListing != nullptr) {
            std::erase_if(spoolerListing->Printers, [this](const IPrinterSpooler::InstalledPrinter& printer) {
                return std::find(printersRemoved.begin(), printersRemoved.end(), printer.PrinterName) !=
                       printersRemoved.end();
            });
            spoolerListing->Printers.insert(spoolerListing->Printers.end(), printersAdded.begin(), printersAdded.end());
            spoolerListing->Succeeded = !spoolerUnreadableAfter;
        }
        return endsInTime;
    }
};

// Drive letters mapped to network shares, by the folder's first three characters ("Z:\\"); every other drive is
// this computer's own.
class FakeNetworkPath final : public INetworkPath {
public:
    std::map<std::wstring, Answer> drives;
    std::vector<std::wstring> asked;

    Answer Locate(const std::wstring& path) override {
        asked.push_back(path);
        const auto found = drives.find(path.substr(0, 3));
        if (found == drives.end()) {
            return {Kind::LocalDrive, L""};
        }
        Answer answer = found->second;
        if (answer.kind == Kind::NetworkShare) {
            answer.universalPath += path.substr(3);
        }
        return answer;
    }
};

class FakeTokenElevation final : public ITokenElevation {
public:
    Elevation elevation = Elevation::Elevated;
    Elevation Read() override { return elevation; }
};

class FakePrintPolicy final : public IPrintPolicy {
public:
    std::optional<uint32_t> protectedPrintMode;
    std::optional<uint32_t> httpPrintingOff;
    std::optional<uint32_t> ProtectedPrintModeValue() override { return protectedPrintMode; }
    std::optional<uint32_t> HttpPrintingOffValue() override { return httpPrintingOff; }
};

// What the clipboard holds is what a person pastes into the wizard.
class FakeClipboard final : public IClipboard {
public:
    explicit FakeClipboard(SeenStream& seenStream) : seen(seenStream) {}
    SeenStream& seen;
    bool heldByAnotherProgram = false;

    bool PutText(const std::wstring& newText) override {
        if (heldByAnotherProgram) {
            return false;
        }
        seen.push_back(seen::Clipboard(newText));
        return true;
    }
    bool PutUnicodeText(const std::wstring& newText) override { return PutText(newText); }
};
