// The base of every command parser: a keyword list (display texts), a handler table keyed by
// token id, and the adapter list that the adapter options fill.
#pragma once
#include <memory>
#include <vector>

#include "ZepUtil/Types.h"
#include "cmdtool/ParsedObject.h"
#include "cmdtool/ParsedObjectList.h"
#include "cmdtool/Token.h"
#include "runtime/ArrayList.h"
#include "runtime/CBFunctor.h"

using TokenHandler = CBFunctor2wRet<int, ArrayList<Token*>*, u8>;

class Parser {
public:
    static constexpr u16 kOwnCommandHandler = 0xFFFF;

    explicit Parser(u16 commandId);
    virtual ~Parser();
    Parser(const Parser&) = delete;
    Parser& operator=(const Parser&) = delete;

    // The list with one parsed object per selected adapter, or null when the parse fails.
    virtual ParsedObjects ParseCommand(ArrayList<Token*>* tokens) = 0;

    // Appends a handler; the newest registration for an id is found first.
    void AddHandler(u16 tokenId, const TokenHandler& handler);
    // Appends the handler of a flag option: it consumes its token and sets the flag to 1.
    void AddFlag(u16 tokenId, u8* flag);

    // Hands every unconsumed token, in order, to its handler (or the unexpected-token handler)
    // with the token list and its index. Stops at the first non-zero result and returns it.
    int ParseTokens(ArrayList<Token*>* tokens);

    // Whether the line may be parsed with these keywords: always true. The check keeps its
    // place as the first question of a parse (ParseCommandTokens asks it) so that a rule over the
    // whole line has one home; no command has one today.
    bool IsParseAllowed(const ArrayList<Token*>* keywords, const ArrayList<Token*>* tokens) const;

    u16 GetCommandId() const { return commandId_; }
    const ArrayList<u8>& GetAdapterList() const { return adapters_; }

    // The token `ahead` places after the one at `index` (the one at `index` itself by default),
    // or null past the end of the list.
    static Token* TokenAt(ArrayList<Token*>* tokens, unsigned index, unsigned ahead = 0)
    {
        const unsigned at = index + ahead;
        return at < tokens->GetCount() ? tokens->GetAt(static_cast<u8>(at)) : nullptr;
    }

    // Handlers of the base.
    int OnUnexpectedToken(ArrayList<Token*>* tokens, u8 index);
    int OnCommandToken(ArrayList<Token*>* tokens, u8 index);
    int OnAdapterList(ArrayList<Token*>* tokens, u8 index);
    int OnAllAdapters(ArrayList<Token*>* tokens, u8 index);

protected:
    // The common first step of ParseCommand: IsParseAllowed with the command's keywords, then
    // ParseTokens. True when both passed.
    bool ParseCommandTokens(ArrayList<Token*>* tokens)
    {
        return IsParseAllowed(GetKeywords(), tokens) && ParseTokens(tokens) == 0;
    }
    // Adds a keyword display text to the keyword list.
    void AddKeyword(u16 tokenId, const char* text);
    void SetCommandId(u16 commandId) { commandId_ = commandId; }
    ArrayList<Token*>* GetKeywords() { return &keywords_; }
    // The token after the one at `index`, or null at the end of the list.
    static Token* NextToken(ArrayList<Token*>* tokens, unsigned index)
    {
        return index + 1u < tokens->GetCount() ? tokens->GetAt(static_cast<u8>(index + 1)) : nullptr;
    }

    // One parsed object per adapter of the adapter list, in its order, made by `make` (adapter
    // number -> std::unique_ptr of the object). An empty adapter list gives an empty list.
    template <typename Make>
    ParsedObjects MakePerAdapter(Make make) const
    {
        auto list = std::make_unique<ParsedObjectList>();
        for (unsigned i = 0; i < adapters_.GetCount(); ++i)
            list->Add(make(adapters_.GetAt(static_cast<u8>(i))));
        return list;
    }

private:
    struct HandlerEntry {
        u16 tokenId;
        TokenHandler handler;
        u8* flag;  // a flag option's flag (then there is no handler), else null
    };

    u16 commandId_;
    ArrayList<Token*> keywords_;
    std::vector<HandlerEntry> handlers_;
    ArrayList<u8> adapters_;
};

// A parser with the virtual-drive id list of -L (513) and -LALL (514, the marker 64).
class LdObjectsParser : public Parser {
public:
    explicit LdObjectsParser(u16 commandId);

    const ArrayList<u8>& GetLdList() const { return lds_; }
    // Hands the tokens to the handlers (ParseTokens); true when they all took their tokens and
    // the line named at least one virtual drive.
    bool ParseLdTokens(ArrayList<Token*>* tokens);

    int OnLdList(ArrayList<Token*>* tokens, u8 index);
    int OnAllLds(ArrayList<Token*>* tokens, u8 index);

private:
    ArrayList<u8> lds_;
};
