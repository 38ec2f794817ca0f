// The class and status of the last request executed on any controller: the run's "last firmware
// status", which the exit path describes when the run fails.
#pragma once

class FwiDpErrors {
public:
    enum Class { kSuccess = 0, kFirmware = 1, kTransport = 2 };

    static void Record(int errorClass, int status);
    static int LastClass();
    static int LastStatus();
    static void Reset();

    // The last request ended with `status` and the command takes it as a normal answer (an
    // empty count, "already in that state"): it is not the run's last firmware status, and the
    // exit path never blames it for a later failure of another kind.
    static void TakeAsAnswer(int status);

    // While an object of this class lives, requests leave the run's last firmware status as it
    // was: requests whose status the command does not act on, such as an optional read or the
    // clean-up after a failure, which must not hide the request that failed.
    class KeepLast {
    public:
        KeepLast();
        ~KeepLast();
        KeepLast(const KeepLast&) = delete;
        KeepLast& operator=(const KeepLast&) = delete;

    private:
        int class_;
        int status_;
    };
};
