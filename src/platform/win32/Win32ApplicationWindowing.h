#pragma once

#include <windows.h>

#include "platform/ApplicationWindowing.h"

class Win32ApplicationWindowing final : public IApplicationWindowing {
public:
    explicit Win32ApplicationWindowing(HINSTANCE instance) : m_instance(instance) {}

    void RegisterCommonControls() override;
    void RunMainDialog(uint16_t threadLanguage) override;

private:
    HINSTANCE m_instance;
};
