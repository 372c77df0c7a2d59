// Merging a second examination file into an opened one. The first file is built from the input;
// the second is the rest of the input as it is when that starts with the file's id, else built
// too. A merge that is accepted adds every search of the second file and leaves the marks in
// mark order and grouped; with built files, saved and opened again it gives the same file (the
// criteria of a file as it is settle later, see fuzz_zre_document.cpp).
#include "FuzzExamination.h"
#include "app/document/TextException.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// The searches the file holds; 0 when it cannot be read.
int CountSearches(const std::string& bytes, const IRegisterCodeNames& names) {
    try {
        CZreFile file;
        file.OpenBytes(bytes, names);
        CExamInfo info;
        std::vector<CDbInfo> databases;
        file.ReadHeader(info, databases);
        CSearchList searches;
        file.ReadSearches(searches);
        return searches.GetCount();
    } catch (const CTextException&) {
        return 0;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ClearFolder();
    FuzzedDataProvider input(data, size);
    const std::string examination = fuzz::WriteFile("examination.zre", fuzz::BuildFile(input));
    const std::vector<std::uint8_t> rest = input.ConsumeRemainingBytes<std::uint8_t>();
    const bool asItIs = fuzz::StartsWithFileId(rest.data(), rest.size());
    FuzzedDataProvider second(rest.data(), rest.size());
    const std::string mergedBytes =
        asItIs ? std::string(rest.begin(), rest.end()) : fuzz::BuildFile(second);
    const std::string merged = fuzz::WriteFile("merged.zre", mergedBytes);

    fuzz::CFuzzServices& services = fuzz::FreshServices();
    CZR2000Doc doc(services.registers, services.repository, services.host);
    if (!doc.OnOpenDocument(examination))
        return 0;
    const int expected = doc.GetSearchCount() + CountSearches(mergedBytes, services.registers);
    if (!doc.MergeDocument(merged))
        return 0;
    if (doc.GetSearchCount() != expected || !fuzz::IsOrderedAndGrouped(doc) ||
        (!asItIs && !fuzz::SavesAlike(doc, services)))
        __builtin_trap();
    return 0;
}
