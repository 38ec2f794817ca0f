// The parsed summary command: one adapter, and the file the report goes to (-f), if any.
#pragma once
#include <string>

#include "cmdtool/ParsedObject.h"

class ShowSummaryPo : public ParsedObject {
public:
    ShowSummaryPo(u16 commandId, const std::string& fileName, u8 fileOutput, u8 adapterNumber);

    ParsedObject* Clone() const override;

    std::string GetFileName() const { return fileName_; }
    // 1 when the report goes to the file, 0 for the console.
    u8 GetFileOutput() const { return fileOutput_; }

private:
    ShowSummaryPo(const ShowSummaryPo&) = default;

    std::string fileName_;
    u8 fileOutput_;
};
