#pragma once

// Whether this process runs with administrator rights, as the system's token says.
class ITokenElevation {
public:
    enum class Elevation { Elevated, NotElevated, Unknown };

    virtual ~ITokenElevation() = default;

    // Unknown when the system cannot say.
    virtual Elevation Read() = 0;
};
