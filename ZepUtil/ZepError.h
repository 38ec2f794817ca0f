// The last-error word of the process.
#pragma once

class ZepError {
public:
    static void Set(int code);
    static int Get();
    static void Clear();
};
