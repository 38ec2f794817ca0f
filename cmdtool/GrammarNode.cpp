#include "cmdtool/GrammarNode.h"

#include "cmdtool/TokenIds.h"

bool IsValueToken(u16 id)
{
    return id == TOKEN_NUMBER || id == TOKEN_DECIMAL || id == TOKEN_STRING || id == TOKEN_CHANNEL_TARGET_LIST ||
           id == TOKEN_ENCDEVID_LIST;
}

bool GrammarNode::CanBeEmpty() const
{
    switch (kind) {
    case kToken:
        return false;
    case kSeq:
        for (const GrammarNode& child : children) {
            if (!child.CanBeEmpty())
                return false;
        }
        return true;
    case kAlt:
        for (const GrammarNode& child : children) {
            if (child.CanBeEmpty())
                return true;
        }
        return false;
    case kRepeat:
        return min == 0 || children[0].CanBeEmpty();
    }
    return false;
}

bool GrammarNode::IsValueOnly() const
{
    if (origin != kWritten)
        return false;
    if (kind == kToken)
        return IsValueToken(token);
    for (const GrammarNode& child : children) {
        if (!child.IsValueOnly())
            return false;
    }
    return true;
}

bool GrammarNode::IsKeywordChoice() const
{
    if (origin != kWritten)
        return false;
    if (kind == kToken)
        return !IsValueToken(token);
    if (kind != kAlt)
        return false;
    for (const GrammarNode& child : children) {
        if (child.kind != kToken || child.origin != kWritten || IsValueToken(child.token))
            return false;
    }
    return true;
}
