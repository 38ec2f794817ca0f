// Usage texts of the drive security commands. On a controller in OEM mode 2 the key commands
// take a pass phrase where other controllers take a security key, and their texts say so.
#include "help/UsagePieces.h"
#include "help/UsageTexts.h"

namespace usage {

namespace {

constexpr char kKeyRules[] =
    "        Security key & pass phrase should have 8 - 32 chars, case-sensitive; 1 number, 1 lowercase letter, "
    "1 uppercase letter, 1 non-alphanumeric character (no spaces).\n";
constexpr char kKeyRulesSecure[] =
    "        Passphrase should have 8 - 32 chars, case-sensitive; 1 number, 1 lowercase letter, 1 uppercase "
    "letter, 1 non-alphanumeric character (no spaces).\n";
constexpr char kExclamation[] =
    "        On Unix-like systems a ! in the security key or pass phrase must be preceded by a backslash (\\!).\n";
constexpr char kExclamationSecure[] =
    "        On Unix-like systems a ! in the Passphrase must be preceded by a backslash (\\!).\n";
constexpr char kKeyId[] = "        KeyID: Security key Id of the new security key, less than 256 characters.\n";
constexpr char kUseEkms[] = "        useEKMS: The key is managed by an external key management server.\n";

}  // namespace

// How the key commands end: the key rules and the adapter selector (#undef at the end: the unity
// build joins files).
#define USAGE_SECURITY_KEY_RULES                                                                     \
    {kKeyRules, kKeyRulesSecure}, {kExclamation, kExclamationSecure}, {kConventionHead}, {kAdapterOne}

const Piece kCreateSecurityKey[] = {
    {"\n        \tCreateSecurityKey\n"},
    {"        \t-----------------\n\n"},
    {"Syntax: %s -CreateSecurityKey -SecurityKey sssssssssss | [-Passphrase sssssssssss] |[-KeyID kkkkkkkkkkk] "
     "-aN \n",
     "Syntax: %s -CreateSecurityKey -Passphrase sssssssssss [-KeyID kkkkkkkkkkk] -aN \n"},
    {"Syntax: %s -CreateSecurityKey useEKMS -aN\n"},
    {kDescriptionHead},
    {"        Creates the security key of the adapter, with which drive security is enabled.\n"},
    {kParametersHead},
    {"        SecurityKey: Security key will be used to generate lock key when drive security is enabled.\n",
     "        Passphrase: Passphrase will be used to generate lock key when drive security is enabled.\n"},
    {"        Passphrase: Pass phrase to provide additional security.\n", ""},
    {kKeyId},
    {kUseEkms},
    {"        Note: \n"},
    {"        -\tSecurity key is mandatory and pass phrase is optional.\n",
     "        -\tPassphrase is mandatory and KeyID is optional.\n"},
    {"        -\tSecurity key and pass phrase have special requirements.\n", ""},
    USAGE_SECURITY_KEY_RULES,
    kEnd,
};

const Piece kChangeSecurityKey[] = {
    {"\n        \tChangeSecurityKey\n"},
    {"        \t-----------------\n\n"},
    {"Syntax: %s -ChangeSecurityKey -OldSecurityKey sssssssssss | -SecurityKey sssssssssss| [-Passphrase "
     "sssssssssss] | [-KeyID kkkkkkkkkkk] -aN\n",
     "Syntax: %s -ChangeSecurityKey -OldPassphrase sssssssssss | -Passphrase sssssssssss | [-KeyID kkkkkkkkkkk] "
     "-aN\n"},
    {"Syntax: %s -ChangeSecurityKey useEKMS -aN\n"},
    {kDescriptionHead},
    {"        Changes the security key of the adapter and then hands the old key to the adapter.\n"},
    {kParametersHead},
    {"        OldSecurityKey: The security key the adapter holds now.\n",
     "        OldPassphrase: The Passphrase the adapter holds now.\n"},
    {"        SecurityKey: The new security key.\n", "        Passphrase: The new Passphrase.\n"},
    {"        Passphrase: Pass phrase to provide additional security.\n", ""},
    {kKeyId},
    {kUseEkms},
    {"        Note: \n"},
    {"        -\tSecurity key is mandatory and pass phrase is optional.\n", ""},
    {"        -\tSecurity key and pass phrase have special requirements.\n", ""},
    USAGE_SECURITY_KEY_RULES,
    kEnd,
};

const Piece kDestroySecurityKey[] = {
    {"\n        \tDestroySecurityKey\n", "\n\t\t\tDeleteSecurityKey\n"},
    {"        \t------------------\n\n", "\t\t\t------------------\n\n"},
    {"Syntax: %s -DestroySecurityKey | [-Force] -aN\n", "Syntax: %s -DeleteSecurityKey | [-Force] -aN\n"},
    {kDescriptionHead},
    {"        Removes the security key from the adapter. The adapter refuses while a secure \n"},
    {"        virtual drive exists.\n"},
    {kParametersHead},
    {"        Force: Required; data on secured drives may become inaccessible.\n"},
    {kConventionHead},
    {kAdapterOne},
    kEnd,
};

const Piece kGetKeyId[] = {
    {"\n        \tGetKeyID\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -GetKeyID [-PhysDrv[E0:S0,E1:S1,...]] -aN\n"},
    {kDescriptionHead},
    {"        Displays the security key id of the adapter or, with a drive list, the id of the \n"},
    {"        key that locks each of the given drives.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    {kAdapterOne},
    kEnd,
};

const Piece kSetKeyId[] = {
    {"\n        \tSetKeyID\n"},
    {"        \t--------\n\n"},
    {"Syntax: %s -SetKeyID -KeyID kkkkkkkkkkk -aN\n"},
    {kDescriptionHead},
    {"        Sets the security key id of the adapter.\n"},
    {kParametersHead},
    {"        KeyID: The new security key id, less than 256 characters.\n"},
    {kConventionHead},
    {kAdapterOne},
    kEnd,
};

const Piece kVerifySecurityKey[] = {
    {"\n        \tVerifySecurityKey\n"},
    {"        \t-----------------\n\n"},
    {"Syntax: %s -VerifySecurityKey -SecurityKey sssssssssss -aN\n",
     "Syntax: %s -VerifySecurityKey -Passphrase sssssssssss -aN\n"},
    {kDescriptionHead},
    {"        Command validates the given security key with the security key of given controller. \n",
     "\t\tCommand validates the given Passphrase with the Passphrase of given controller. \n"},
    {kParametersHead},
    {"        SecurityKey: Security key need to be verified. \n", "        Passphrase: Passphrase need to be verified. \n"},
    {kConventionHead},
    {kAdapterOne},
    kEnd,
};

const Piece kPdInstantSecureErase[] = {
    {"\n        \tPDInstantSecureErase\n"},
    {"        \t--------------------\n\n"},
    {"Syntax: %s -PDInstantSecureErase -PhysDrv[E0:S0,E1:S1,...] | [-Force] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Erases the given self-encrypting drive(s) so that they can be used again: a \n"},
    {"        reprovisionable drive is reprovisioned, a drive locked by a foreign key is \n"},
    {"        instantly secure erased.\n"},
    {kParametersHead},
    {"        Force: Required; all data on the drive(s) is lost.\n"},
    {kConventionHead},
    USAGE_PHYSDRV,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kLdMakeSecure[] = {
    {"\n        \tLDMakeSecure\n"},
    {"        \t------------\n\n"},
    {"Syntax: %s -LDMakeSecure -Lx|-L0,1,2,...|-Lall -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Secures the virtual drive(s) with the security key of the adapter.\n"},
    {kConventionHead},
    USAGE_LDS,
    USAGE_ADAPTERS,
    kEnd,
};

const Piece kSecureErase[] = {
    {"\n        \tSecureErase\n"},
    {"        \t-----------\n\n"},
    {"Syntax: %s -SecureErase \n\tStart[\n\t\tSimple|\n\t\t"},
    {"[Normal   [ |ErasePattern ErasePatternA|ErasePattern ErasePatternA ErasePattern ErasePatternB]]|"},
    {"\n\t\t[Thorough [ |ErasePattern ErasePatternA|ErasePattern ErasePatternA ErasePattern ErasePatternB]]]"},
    {"\n\t| Stop\n\t| ShowProg\n\t| ProgDsply "},
    {"\n\t[-PhysDrv [E0:S0,E1:S1,...] | -Lx|-L0,1,2|-LALL] -aN|-a0,1,2|-aALL\n"},
    {kDescriptionHead},
    {"        Erases physical drives or virtual drives by overwriting them.\n"},
    {kParametersHead},
    {"        Start: Starts Secure Erase on the selected physical drive(s) or virtual drive(s).\n"},
    {"        Simple|Normal|Thorough: The erase type; Simple when none is given.\n"},
    {"        ErasePattern: A pattern byte written as eight binary digits, as in 10101010. \n"},
    {"            Up to two patterns; 10101010 and 01010101 when none is given.\n"},
    {"        DeleteVd: Deletes the virtual drive(s) after the erase.\n"},
    {"        Stop: Stops Secure Erase on the selected physical drive(s) or virtual drive(s).\n"},
    {"        ShowProg: Displays the progress of Secure Erase.\n"},
    {kConventionHead},
    USAGE_ADAPTERS,
    USAGE_PHYSDRV,
    {kLdOne},
    USAGE_ADAPTERS,
    kEnd,
};

#undef USAGE_SECURITY_KEY_RULES

}  // namespace usage
