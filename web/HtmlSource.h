#pragma once
// Where the HTML tokenizer reads its bytes from: memory or a file.

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

class IHtmlSource {
public:
    virtual ~IHtmlSource() = default;
    // Up to `size` bytes into `into`; 0 at the end of the bytes or on a read failure.
    virtual std::size_t Read(char* into, std::size_t size) = 0;
};

// Bytes held by the caller, read without copying them first.
class CMemorySource : public IHtmlSource {
public:
    explicit CMemorySource(std::string_view bytes) : bytes_(bytes) {}
    std::size_t Read(char* into, std::size_t size) override;

private:
    std::string_view bytes_;
};

class CFileSource : public IHtmlSource {
public:
    // False when the file cannot be opened for reading.
    bool Open(const std::string& path);
    std::size_t Read(char* into, std::size_t size) override;
    // A read failed (as opposed to the file having ended).
    bool Failed() const;

private:
    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
};
