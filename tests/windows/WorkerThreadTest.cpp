// The removal worker's thread: its routine's result comes back as the thread's exit code.
#include <gtest/gtest.h>

#include <windows.h>

#include "win32/Win32WorkerThread.h"

TEST(WorkerThread, AnswersTheRoutinesExitCodeFromAThreadOfItsOwn) {
    for (const uint32_t exitCode : {0u, 0xFFFFFFFFu, 1801u}) {
        DWORD routineThread = GetCurrentThreadId();
        Win32WorkerThread worker;
        const std::optional<uint32_t> result = worker.RunAndWait([&] {
            routineThread = GetCurrentThreadId();
            return exitCode;
        });
        EXPECT_EQ(result, exitCode);
        EXPECT_NE(routineThread, GetCurrentThreadId()) << exitCode;
    }
}
