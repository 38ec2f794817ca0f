#include "runtime/HostFiles.h"

#include <vector>

#include "runtime/FileIO.h"
#include "runtime/System.h"

namespace hostfiles {
namespace {

constexpr std::size_t kOsVersionRead = 255;

}  // namespace

bool OsVersionText(std::string& text)
{
    text.clear();
    FileIO* io = GetFileIO();
    FileHandle* file = io->Open(GetSystem().OsVersionFile(), "r");
    if (file == nullptr)
        return false;
    char buffer[kOsVersionRead + 1] = {};
    io->Seek(file, 0, -2);
    io->Read(buffer, kOsVersionRead, 1, file);  // a shorter file leaves all it holds
    io->Close(file);
    text = buffer;  // up to the first NUL
    const std::size_t parenthesis = text.find('(');
    if (parenthesis != std::string::npos)
        text.resize(parenthesis);
    return true;
}

bool DriverVersionLine(std::string& line, std::size_t maxLength)
{
    line.clear();
    FileIO* io = GetFileIO();
    FileHandle* file = io->Open(GetSystem().DriverVersionFile(), "r");
    if (file == nullptr)
        return false;
    std::vector<char> buffer(maxLength + 2, '\0');  // the line, its line end, the NUL
    if (io->Gets(buffer.data(), static_cast<int>(buffer.size()), file) != nullptr) {
        line = buffer.data();
        if (!line.empty() && line.back() == '\n')
            line.pop_back();
        if (line.size() > maxLength)
            line.resize(maxLength);
    }
    io->Close(file);
    return true;
}

}  // namespace hostfiles
