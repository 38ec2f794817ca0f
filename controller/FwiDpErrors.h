// The class and status of the last request executed on any controller.
#pragma once

class FwiDpErrors {
public:
    enum Class { kSuccess = 0, kFirmware = 1, kTransport = 2 };

    static void Record(int errorClass, int status);
    static int LastClass();
    static int LastStatus();
    static void Reset();
};
