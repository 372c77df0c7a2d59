// Examination files as the disc and other programs deliver them: every reader runs over the
// input. What reads without damage is written again, and what was written must read back.
#include "app/document/RegisterCodeNames.h"
#include "app/document/TextException.h"
#include "app/document/ZreFile.h"
#include "core/MarkList.h"
#include "core/SearchList.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

class CCodeNames : public IRegisterCodeNames {
public:
    std::string CodeToString(char, std::uint32_t value, int) const override {
        return std::to_string(value);
    }
};

struct CContents {
    CExamInfo info;
    std::vector<CDbInfo> databases;
    CSearchList searches;
    CMarkList marks;
};

CContents ReadAll(const std::string& bytes, const CCodeNames& names) {
    CZreFile file;
    file.OpenBytes(bytes, names);
    CContents contents;
    file.ReadHeader(contents.info, contents.databases);
    file.GetDatabaseCodes();
    file.ReadSearches(contents.searches);
    file.ReadMarks(contents.marks);
    file.HasCountrySubsetCriteria();
    contents.marks.Sort();
    contents.marks.SetGroupFlags();
    return contents;
}

std::string WriteAll(const CContents& contents) {
    CZreFile file;
    file.OpenForWrite("unused.zre");
    file.WriteHeader(contents.info, contents.databases);
    file.WriteSearches(contents.searches, nullptr);
    file.WriteMarks(contents.marks, nullptr);
    return file.GetWrittenBytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const CCodeNames names;
    std::string written;
    try {
        written = WriteAll(ReadAll(bytes, names));
    } catch (const CTextException&) {
        // Damaged input, or a text too long to be written again: refused with a message.
    }
    if (!written.empty()) {
        try {
            ReadAll(written, names);
        } catch (const CTextException&) {
            __builtin_trap();
        }
    }
    return 0;
}
