#pragma once
// The version of a program module, for the diagnostics window: the program itself carries the
// build's version; a loaded shared object is known by the numbers its real file name ends with
// (libpng16.so.16.39.0 is 16.39.0).

#include <cstdint>
#include <string_view>

// The fields of a module's fixed version record, in their usual order. A version is two 32-bit
// words: major << 16 | minor, then patch << 16 | build.
struct FixedFileInfo {
    std::uint32_t signature = 0;
    std::uint32_t structVersion = 0;
    std::uint32_t fileVersionMS = 0;
    std::uint32_t fileVersionLS = 0;
    std::uint32_t productVersionMS = 0;
    std::uint32_t productVersionLS = 0;
    std::uint32_t fileFlagsMask = 0;
    std::uint32_t fileFlags = 0;
    std::uint32_t fileOS = 0;
    std::uint32_t fileType = 0;
    std::uint32_t fileSubtype = 0;
    std::uint32_t fileDateMS = 0;
    std::uint32_t fileDateLS = 0;
};

class CModuleVersion {
public:
    static constexpr std::uint32_t kSignature = 0xFEEF04BD;
    static constexpr std::uint16_t kDefaultCodePage = 1252;

    virtual ~CModuleVersion() = default;

    // Reads the version of the loaded module whose file name starts with the name, or of the
    // program itself when no name is given. False when the module is not loaded or its file name
    // carries no version; the record is then left cleared.
    bool Read(std::string_view moduleName = {});

    const FixedFileInfo& GetFixedInfo() const { return fixed_; }
    std::uint16_t GetLanguageId() const { return languageId_; }
    std::uint16_t GetCodePage() const { return codePage_; }

private:
    FixedFileInfo fixed_;
    std::uint16_t languageId_ = 0;
    std::uint16_t codePage_ = kDefaultCodePage;
};
