#include "runtime/FileIO.h"

#include <cstdarg>
#include <memory>
#include <new>

// Every operation tolerates a null handle (a file that could not be opened) and answers it as
// a failure instead of handing null to the C library.

FileHandle* FileIOLibStdC::Open(const char* path, const char* mode)
{
    if (path == nullptr || mode == nullptr)
        return nullptr;
    std::FILE* stream = std::fopen(path, mode);
    if (stream == nullptr)
        return nullptr;
    std::unique_ptr<FileHandle> handle(new (std::nothrow) FileHandle(stream));
    if (handle == nullptr)
        std::fclose(stream);
    return handle.release();  // the caller's until it hands the handle to Close
}

int FileIOLibStdC::Close(FileHandle* handle)
{
    const std::unique_ptr<FileHandle> owned(handle);  // Close takes the handle back from the caller
    if (owned == nullptr)
        return EOF;
    return owned->Stream() ? std::fclose(owned->Stream()) : EOF;
}

std::size_t FileIOLibStdC::Read(void* buffer, std::size_t size, std::size_t count, FileHandle* handle)
{
    if (buffer == nullptr || handle == nullptr || handle->Stream() == nullptr)
        return 0;
    return std::fread(buffer, size, count, handle->Stream());
}

std::size_t FileIOLibStdC::Write(const void* buffer, std::size_t size, std::size_t count, FileHandle* handle)
{
    if (buffer == nullptr || handle == nullptr || handle->Stream() == nullptr)
        return 0;
    return std::fwrite(buffer, size, count, handle->Stream());
}

int FileIOLibStdC::Seek(FileHandle* handle, long offset, int whence)
{
    if (handle == nullptr || handle->Stream() == nullptr)
        return -1;
    if (whence == -2)
        whence = SEEK_SET;
    else if (whence == -1)
        whence = SEEK_END;
    return std::fseek(handle->Stream(), offset, whence);
}

long FileIOLibStdC::Tell(FileHandle* handle)
{
    if (handle == nullptr || handle->Stream() == nullptr)
        return -1;
    return std::ftell(handle->Stream());
}

int FileIOLibStdC::Printf(FileHandle* handle, const char* format, ...)
{
    if (handle == nullptr || handle->Stream() == nullptr || format == nullptr)
        return -1;
    va_list args;
    va_start(args, format);
    int written = std::vfprintf(handle->Stream(), format, args);
    va_end(args);
    return written;
}

int FileIOLibStdC::Error(FileHandle* handle)
{
    if (handle == nullptr || handle->Stream() == nullptr)
        return 1;
    return std::ferror(handle->Stream());
}

char* FileIOLibStdC::Gets(char* buffer, int size, FileHandle* handle)
{
    if (buffer == nullptr || size <= 0 || handle == nullptr || handle->Stream() == nullptr)
        return nullptr;
    return std::fgets(buffer, size, handle->Stream());
}

FileIO* GetFileIO()
{
    static FileIOLibStdC fileIO;
    return &fileIO;
}
