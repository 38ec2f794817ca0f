// -AdpGetConnectorMode -ConnectorN|-Connector0,1|-ConnectorAll -aN|-a0,1,2|-aALL and
// -AdpSetConnectorMode -Internal|-External|-Auto -ConnectorN|-Connector0,1|-ConnectorAll ...
#pragma once
#include "cmdtool/Parser.h"

class MuxModeParser : public Parser {
public:
    explicit MuxModeParser(u16 commandToken);

    ParsedObjects ParseCommand(ArrayList<Token*>* tokens) override;

    int OnMode(ArrayList<Token*>* tokens, u8 index);
    int OnConnectorList(ArrayList<Token*>* tokens, u8 index);
    int OnAllConnectors(ArrayList<Token*>* tokens, u8 index);

private:
    u16 mode_ = 0;
    ArrayList<u8> connectors_{4};
};
