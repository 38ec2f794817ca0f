// A stand-in for the controller-access library's entry point: records the packets it gets and
// answers them as a test sets it up.
#pragma once
#include <cstring>
#include <vector>

#include "controller/DrivekitDp.h"
#include "controller/FwiFrame.h"
#include "controller/LibPacket.h"
#include "support/LeBytes.h"

struct FakeLibrary {
    std::vector<u16> functions;       // every function called, in order
    std::vector<u8> lastRequest;      // the last data request as the library received it
    int initResult = 0;
    int returnCode = 0;               // for data requests
    u32 fwStatus = 0;
    u32 dataCount = 0xFFFFFFFF;       // reported in kOffDataCount (clamped to the area unless overstated)
    bool overstateDataCount = false;  // report dataCount as is, even beyond the data area
    u8 dataFill = 0xAB;
    u8 senseFill = 0x5A;
    u8 mailboxXor = 0xFF;             // the returned mailbox is the sent one xor this
    // LIST_CONTROLLERS: the entries written (as many as fit), and the count word.
    std::vector<std::vector<u8>> listEntries;
    u32 listCount = 0;

    static FakeLibrary& Get()
    {
        static FakeLibrary fake;
        return fake;
    }
    static void Reset() { Get() = FakeLibrary(); }

    static int Entry(void* raw)
    {
        using namespace libpacket;
        FakeLibrary& f = Get();
        u8* p = static_cast<u8*>(raw);
        const u16 function = packet_le::Get16(p + kOffFunction);
        const u32 total = packet_le::Get32(p + kOffTotalLength);
        const u32 dataLength = packet_le::Get32(p + kOffDataLength);
        f.functions.push_back(function);
        if (function == kFnInit)
            return f.initResult;
        if (function == kFnClose)
            return 0;
        u8* data = p + PayloadDataOffset();
        if (function == kFnListControllers) {
            packet_le::Put32(data + kListOffCount, f.listCount);
            u32 used = kListEntriesOffset;
            for (const auto& entry : f.listEntries) {
                if (used + kListEntrySize > dataLength)
                    break;
                std::memcpy(data + used, entry.data(), kListEntrySize);
                used += kListEntrySize;
            }
            packet_le::Put32(p + kOffDataCount, f.overstateDataCount ? f.dataCount : std::min(used, f.dataCount));
            return 0;
        }

        f.lastRequest.assign(p, p + total);
        if (f.returnCode != 0) {
            packet_le::Put32(p + kOffLibStatus, static_cast<u32>(f.returnCode));
            return f.returnCode;
        }
        for (int i = 0; i < 12; ++i)
            p[kOffMailbox + i] ^= f.mailboxXor;
        std::memset(data, f.dataFill, dataLength);
        std::memset(p + PayloadSenseOffset(dataLength), f.senseFill, p[kOffSenseLength]);
        packet_le::Put32(p + kOffDataCount, f.overstateDataCount ? f.dataCount : std::min(dataLength, f.dataCount));
        packet_le::Put32(p + kOffFwStatus, f.fwStatus);
        return 0;
    }

    static std::vector<u8> ListEntry(u32 id, u16 vendor, u16 device, u8 bus = 0)
    {
        using namespace libpacket;
        std::vector<u8> e(kListEntrySize, 0);
        packet_le::Put32(e.data() + kListEntryOffControllerId, id);
        packet_le::Put16(e.data() + kListEntryOffVendor, vendor);
        packet_le::Put16(e.data() + kListEntryOffDevice, device);
        e[kListEntryOffBus] = bus;
        return e;
    }
};
