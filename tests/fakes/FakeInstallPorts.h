#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ports/Clipboard.h"
#include "ports/IcmpEcho.h"
#include "ports/ScriptFile.h"
#include "ports/ScriptProcess.h"
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

class FakeScriptFile final : public IScriptFile {
public:
    bool fails = false;
    std::map<std::wstring, std::wstring> files;
    int writes = 0;

    bool Write(const std::wstring& path, const std::wstring& text) override {
        ++writes;
        if (fails) {
            return false;
        }
        files[path] = text;
        return true;
    }
};

class FakeScriptProcess final : public IScriptProcess {
public:
    bool failsToStart = false;
    bool endsInTime = true;
    std::vector<std::pair<std::wstring, bool>> started; // path, own console
    std::vector<uint32_t> waits;

    bool Start(const std::wstring& scriptPath, bool ownConsole) override {
        if (failsToStart) {
            return false;
        }
        started.emplace_back(scriptPath, ownConsole);
        return true;
    }
    bool WaitForEnd(uint32_t milliseconds) override {
        waits.push_back(milliseconds);
        return endsInTime;
    }
};

class FakeClipboard final : public IClipboard {
public:
    bool heldByAnotherProgram = false;
    std::optional<std::wstring> text;

    bool PutText(const std::wstring& newText) override {
        if (heldByAnotherProgram) {
            return false;
        }
        text = newText;
        return true;
    }
};
