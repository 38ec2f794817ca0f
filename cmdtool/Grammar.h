// The command grammar: the forms each command accepts, registered beside the command's
// parser, checked against the whole token sequence before any parser runs.
//
// A form is written in a small notation over the keyword table's words:
//   KEYWORD         the keyword's token (e.g. ADPALLINFO, FORCE, ?, %); either word of two
//                   words with one id (STOP, ABORT) names that id
//   NUM DEC STR BRK BRK589   a number (534), decimal text (536), word (523; STRING also
//                   works), bracketed list (535), the bracket after ENCDEVID (589)
//   SEL             A NUM+ | AALL            SEL1   A NUM
//   LDS             L NUM+ | LALL            DRV    PHYSDRV BRK
//   V(KEYWORD)      the keyword followed by a word (523); the keyword must be one whose next
//                   word is a value. "V(" with no blank is this; "V" alone is the keyword V.
//   [ x ]  optional,   ( a | b )  choice,   x+  one or more,   x*  any number,
//   x{2,}  at least two,   x{n}  exactly n,   x{n,m}  n to m
// A form starts with its command's keyword and may hold choices at its top level
// ("PDHSP SET ... | PDHSP RMV DRV SEL"). PHYSDRV is written only through DRV, so a drive list
// glued to it ("-PhysDrv[252:0]") and one written apart both match the same way.
// Every form implicitly ends with any number of global options
// (PAGE [NUM], SILENT, NOLOG, NEWFILE, SETDBGLEVEL NUM, LOGFILE STR, APPLOGFILE STR).
//
// Between a form's leading words (the command keyword and the action words right after it) and
// its adapter selector, its options are accepted in any order; a group in parentheses keeps its
// own order. GrammarForm.h gives the whole rule, docs/command-line.md the user's view of it.
#pragma once
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "ZepUtil/Types.h"
#include "cmdtool/GrammarForm.h"
#include "cmdtool/Token.h"
#include "runtime/ArrayList.h"

// A set of compiled forms keyed by command token id. The registered grammar is one of these;
// tests build their own.
class GrammarSet {
public:
    // Compiles the forms and adds those that compile to the command's forms. false when one
    // does not compile; the first such fault is kept for HasErrors.
    bool Add(u16 commandTokenId, std::initializer_list<const char*> forms);

    // 0 when the token sequence matches a form of its first token's id; -1 otherwise (also for
    // an empty sequence or a first token without forms).
    int Check(const ArrayList<Token*>& tokens) const;

    // True when a form failed to compile; `message` names the first one and its fault.
    bool HasErrors(const char** message = nullptr) const;

    bool HasForms(u16 commandTokenId) const { return forms_.count(commandTokenId) != 0; }
    // Every command token id with its compiled forms.
    const std::map<u16, std::vector<GrammarForm>>& AllForms() const { return forms_; }

private:
    std::map<u16, std::vector<GrammarForm>> forms_;
    std::string firstError_;
};

class Grammar {
public:
    // 0 when the token sequence matches one of the forms registered for its first token's id;
    // -1 otherwise (also for a first token without forms).
    static int Check(const ArrayList<Token*>& tokens);

    // Registers forms for a command token id. The texts are kept as they are (string literals)
    // and compiled when a line of that command is first checked, so a run compiles only its
    // own command's forms. A form that does not compile aborts start-up in debug builds and is
    // reported by HasErrors() (a test checks it).
    static void Register(u16 commandTokenId, std::initializer_list<const char*> forms);

    // True when a registered form failed to compile; `message` names it. Compiles every form.
    static bool HasErrors(const char** message = nullptr);

    // The registered forms, all compiled.
    static const GrammarSet& Registered();

private:
    static GrammarSet& Forms();
    // Compiles the registered forms of one command id, or of every id when `all`.
    static void CompilePending(u16 commandTokenId, bool all);
};

// Static registration of a command's forms beside its parser.
class GrammarRegistration {
public:
    GrammarRegistration(u16 commandTokenId, std::initializer_list<const char*> forms)
    {
        Grammar::Register(commandTokenId, forms);
    }
};
