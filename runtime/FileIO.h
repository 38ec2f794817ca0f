// File operations through one process-wide object over the C library's streams.
#pragma once
#include <cstdio>

#include "ZepUtil/Types.h"

class FileHandle {
public:
    explicit FileHandle(std::FILE* stream) : stream_(stream) {}
    std::FILE* Stream() const { return stream_; }

private:
    std::FILE* stream_;
};

class FileIO {
public:
    virtual ~FileIO() = default;
    // A new handle, or null when the file cannot be opened.
    virtual FileHandle* Open(const char* path, const char* mode) = 0;
    // Closes the stream and deletes the handle; fclose's result.
    virtual int Close(FileHandle* handle) = 0;
    virtual std::size_t Read(void* buffer, std::size_t size, std::size_t count, FileHandle* handle) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t size, std::size_t count, FileHandle* handle) = 0;
    // whence -2 = from the start, -1 = from the end, other values are fseek's own. 0 on success.
    virtual int Seek(FileHandle* handle, long offset, int whence) = 0;
    static constexpr int kSeekFromStart = -2;
    static constexpr int kSeekFromEnd = -1;
    virtual long Tell(FileHandle* handle) = 0;
    // vfprintf on the stream: the text is a format. Text that the caller did not compose
    // itself goes through "%s".
    virtual int Printf(FileHandle* handle, const char* format, ...) __attribute__((format(printf, 3, 4))) = 0;
    virtual int Error(FileHandle* handle) = 0;
    // fgets: at most size-1 characters, the line end kept; null at the end of the file.
    virtual char* Gets(char* buffer, int size, FileHandle* handle) = 0;
};

class FileIOLibStdC : public FileIO {
public:
    FileHandle* Open(const char* path, const char* mode) override;
    int Close(FileHandle* handle) override;
    std::size_t Read(void* buffer, std::size_t size, std::size_t count, FileHandle* handle) override;
    std::size_t Write(const void* buffer, std::size_t size, std::size_t count, FileHandle* handle) override;
    int Seek(FileHandle* handle, long offset, int whence) override;
    long Tell(FileHandle* handle) override;
    int Printf(FileHandle* handle, const char* format, ...) override __attribute__((format(printf, 3, 4)));
    int Error(FileHandle* handle) override;
    char* Gets(char* buffer, int size, FileHandle* handle) override;
};

FileIO* GetFileIO();
