#include "fwdata/PdValueText.h"

#include "fwdata/layout/PdRecord.h"

const char* PdInterfaceText(u8 type)
{
    switch (type) {
    case pdrec::kInterfaceParallelScsi:
        return "Parallel SCSI";
    case pdrec::kInterfaceSas:
        return "SAS";
    case pdrec::kInterfaceSata:
        return "SATA";
    case pdrec::kInterfaceFc:
        return "FC";
    default:
        return "Unknown";
    }
}

const char* PdSpeedText(u8 code)
{
    switch (code) {
    case pdrec::kSpeed1_5G:
        return "1.5Gb/s";
    case pdrec::kSpeed3G:
        return "3.0Gb/s";
    case pdrec::kSpeed6G:
        return "6.0Gb/s";
    case pdrec::kSpeed12G:
        return "12.0Gb/s";
    default:
        return "Unknown";
    }
}
