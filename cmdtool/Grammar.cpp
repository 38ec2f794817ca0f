#include "cmdtool/Grammar.h"

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

bool GrammarSet::Add(u16 commandTokenId, std::initializer_list<const char*> forms)
{
    bool allCompiled = true;
    std::vector<GrammarForm>& list = forms_[commandTokenId];
    for (const char* text : forms) {
        GrammarForm form;
        std::string error;
        if (GrammarForm::Compile(commandTokenId, text, form, error)) {
            list.push_back(std::move(form));
            continue;
        }
        allCompiled = false;
        if (firstError_.empty())
            firstError_ = "form \"" + std::string(text ? text : "") + "\" of command " + std::to_string(commandTokenId) + ": " + error;
    }
    if (list.empty())
        forms_.erase(commandTokenId);
    return allCompiled;
}

int GrammarSet::Check(const ArrayList<Token*>& tokens) const
{
    if (tokens.GetCount() == 0 || tokens.GetAt(0) == nullptr)
        return -1;
    auto found = forms_.find(tokens.GetAt(0)->GetId());
    if (found == forms_.end())
        return -1;
    for (const GrammarForm& form : found->second) {
        if (form.Matches(tokens))
            return 0;
    }
    return -1;
}

bool GrammarSet::HasErrors(const char** message) const
{
    if (message != nullptr)
        *message = firstError_.empty() ? nullptr : firstError_.c_str();
    return !firstError_.empty();
}

namespace {

// Forms registered and not compiled yet, in the order of registration.
struct PendingForms {
    u16 commandTokenId;
    std::vector<const char*> forms;
};

std::vector<PendingForms>& Pending()
{
    static std::vector<PendingForms> pending;
    return pending;
}

}  // namespace

GrammarSet& Grammar::Forms()
{
    static GrammarSet forms;
    return forms;
}

void Grammar::CompilePending(u16 commandTokenId, bool all)
{
    std::vector<PendingForms>& pending = Pending();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < pending.size(); ++i) {
        PendingForms& entry = pending[i];
        if (all || entry.commandTokenId == commandTokenId) {
            const std::vector<const char*> forms = std::move(entry.forms);
            for (const char* form : forms)
                Forms().Add(entry.commandTokenId, {form});
            continue;
        }
        if (kept != i)
            pending[kept] = std::move(entry);
        ++kept;
    }
    pending.resize(kept);
}

int Grammar::Check(const ArrayList<Token*>& tokens)
{
    if (tokens.GetCount() != 0 && tokens.GetAt(0) != nullptr && !Pending().empty())
        CompilePending(tokens.GetAt(0)->GetId(), false);
    return Forms().Check(tokens);
}

void Grammar::Register(u16 commandTokenId, std::initializer_list<const char*> forms)
{
#ifdef NDEBUG
    Pending().push_back({commandTokenId, std::vector<const char*>(forms)});
#else
    if (Forms().Add(commandTokenId, forms))
        return;
    const char* message = nullptr;
    Forms().HasErrors(&message);
    std::fprintf(stderr, "Grammar: %s\n", message ? message : "a form does not compile");
    std::abort();
#endif
}

bool Grammar::HasErrors(const char** message) { return Registered().HasErrors(message); }

const GrammarSet& Grammar::Registered()
{
    CompilePending(0, true);
    return Forms();
}
