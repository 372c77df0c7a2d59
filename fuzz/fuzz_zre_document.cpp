// Examinations through the document, as a user opens and saves them: opened, saved, opened
// again and saved again, the two saved files must be the same bytes, and an opened document
// holds its marks in mark order, grouped.
//
// An input that starts with the file's id is an examination file as it is. Its criteria texts
// may be in forms this program does not write: the reader validates a word term that stands
// alone but not the terms of an OR list, and a version-3 file's criteria are saved as converted,
// without defaults and unvalidated. Such criteria settle once the program has read its own saved
// text twice, so for these files the comparison starts two saves later.
//
// Any other input builds the contents of a valid file: settings texts, databases, searches with
// criteria as this program stores them, and marks of few records so that groups and repeats are
// common. For these the first two saves must be the same.
#include "FuzzExamination.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    const bool asItIs = fuzz::StartsWithFileId(data, size);
    std::string bytes;
    if (asItIs) {
        bytes.assign(reinterpret_cast<const char*>(data), size);
    } else {
        FuzzedDataProvider input(data, size);
        bytes = fuzz::BuildFile(input);
    }
    std::string first = (fuzz::Folder() / "first.zre").string();
    fuzz::CFuzzServices& services = fuzz::FreshServices();
    {
        CZR2000Doc doc(services.registers, services.repository, services.host);
        if (!doc.OnOpenDocument(fuzz::WriteFile("source.zre", bytes)))
            return 0;
        if (!fuzz::IsOrderedAndGrouped(doc))
            __builtin_trap();
        // A text longer than the file can hold is refused with a message.
        if (!doc.OnSaveDocument(first))
            return 0;
    }
    for (int round = 0; asItIs && round < 2; ++round) {
        CZR2000Doc settling(services.registers, services.repository, services.host);
        if (!settling.OnOpenDocument(first) || !settling.OnSaveDocument(first + "+"))
            __builtin_trap();
        first += "+";
    }
    const std::string second = (fuzz::Folder() / "second.zre").string();
    CZR2000Doc reopened(services.registers, services.repository, services.host);
    if (!reopened.OnOpenDocument(first) || !fuzz::IsOrderedAndGrouped(reopened) ||
        !reopened.OnSaveDocument(second))
        __builtin_trap();
    if (fuzz::ReadFile(first) != fuzz::ReadFile(second))
        __builtin_trap();
    return 0;
}
