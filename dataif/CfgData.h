// The records of a configuration image as plain values: arrays with their rows, spans of the
// virtual drives, and hot spares. The data layer fills them from the controller's image; the
// configuration snapshot (RmCfg) builds its elements from them.
#pragma once
#include <memory>
#include <vector>

#include "ZepUtil/Types.h"
#include "fwdata/layout/ArrayRecord.h"
#include "fwdata/layout/SpareRecord.h"

class VdData;

// One row of an array: the member drive, or kMissingDevice when the row's drive is missing.
struct ArrayRowData {
    static constexpr u16 kMissingDevice = 0xFFFF;
    u16 deviceId = kMissingDevice;
    u16 seqNum = 0;
    u8 fwState = 0;
};

struct ArrayData {
    static constexpr unsigned kMaxRows = arrayrec::kMaxRows;
    u64 blocks = 0;                    // blocks used on each member drive
    u16 ref = 0;                       // array reference (spans and spares name arrays by it)
    std::vector<ArrayRowData> rows;    // at most kMaxRows
};

struct SpanData {
    u64 startBlock = 0;                // first block on each member drive
    u64 blocks = 0;                    // blocks on each member drive
    u16 arrayRef = 0;
};

struct SpareData {
    static constexpr unsigned kMaxArrays = sparerec::kMaxArrays;
    u16 deviceId = 0;
    u16 seqNum = 0;
    bool dedicated = false;
    bool revertible = false;
    bool enclAffinity = false;
    std::vector<u16> arrayRefs;        // the arrays a dedicated spare serves, at most kMaxArrays
};

struct VdCfgData {
    std::unique_ptr<VdData> data;      // the virtual drive's own data (record, requests)
    std::vector<SpanData> spans;       // in span order
};

struct CfgData {
    std::vector<ArrayData> arrays;
    std::vector<VdCfgData> vds;
    std::vector<SpareData> spares;
};
