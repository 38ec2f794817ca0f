#include "CpMgmt/CmdPro/AdpInfoPrint.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>

#include "CpMgmt/CmdPro/AdpInfoMessageIds.h"
#include "fwdata/layout/CtrlInfo.h"
#include "fwdata/layout/CtrlProps.h"
#include "runtime/CommonMessageIds.h"
#include "runtime/CtMessage.h"

namespace AdpPrint {

namespace {
constexpr std::size_t kLineBufferSize = 512;

struct InterfaceBit {
    BitField field;
    const char* text;
};

// Tested in this order; the first set bit names the interface.
constexpr InterfaceBit kHostInterfaces[] = {
    {ctrlinfo::kHostPcix, "PCIX"},
    {ctrlinfo::kHostPcie, "PCIE"},
    {ctrlinfo::kHostIscsi, "iSCSI"},
    {ctrlinfo::kHostSas3g, "SAS-3G"},
};
constexpr InterfaceBit kDeviceInterfaces[] = {
    {ctrlinfo::kDeviceSpi, "SPI"},       {ctrlinfo::kDeviceSata15g, "SATA-1-5G"}, {ctrlinfo::kDeviceSata3g, "SATA-3G"},
    {ctrlinfo::kDeviceSas3g, "SAS-3G"},  {ctrlinfo::kDeviceSas6g, "SAS-6G"},      {ctrlinfo::kDeviceSas12g, "SAS-12G"},
};

template <std::size_t N>
const char* FirstInterface(const ByteView& info, const InterfaceBit (&bits)[N])
{
    for (const InterfaceBit& entry : bits)
        if (info.Bit(entry.field))
            return entry.text;
    return "UNKNOWN";
}

}  // namespace

const char* CoercionText(u32 mode)
{
    switch (mode) {
    case ctrlprops::kCoercionNone:
        return "Disabled";
    case ctrlprops::kCoercion1Gb:
        return "1GB";
    default:
        return "128MB";
    }
}

const char* HostInterfaceText(const ByteView& info) { return FirstInterface(info, kHostInterfaces); }

const char* DeviceInterfaceText(const ByteView& info) { return FirstInterface(info, kDeviceInterfaces); }

void Text(const char* text) { PrintMessage(CommonMsg::kText, text); }

void LineEnd() { PrintMessage(CommonMsg::kLineEnd); }

void Number(int value) { PrintMessage(CommonMsg::kNumber, value); }

void LabelText(const char* label, const char* value)
{
    Text(label);
    Text(value);
    LineEnd();
}

void LabelNumber(const char* label, int value, const char* unit)
{
    Text(label);
    Number(value);
    if (*unit != '\0')
        Text(unit);
    LineEnd();
}

std::string PrintableText(const u8* bytes, std::size_t width)
{
    std::string text;
    for (std::size_t i = 0; i < width; ++i)
        text += std::isprint(bytes[i]) ? static_cast<char>(bytes[i]) : ' ';
    return text;
}

std::string PrintableText(const ByteView& block, TextField field)
{
    std::string text;
    for (u32 i = 0; i < field.width; ++i) {
        const u8 c = block.U8(field.offset + i);
        text += std::isprint(c) ? static_cast<char>(c) : ' ';
    }
    return text;
}

void Formatted(const char* format, ...)
{
    char line[kLineBufferSize] = {};
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    Text(line);
}

}  // namespace AdpPrint
