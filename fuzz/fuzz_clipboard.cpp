// Marks from the clipboard or a drop, in the one format the program accepts ("ZrMarks"), pasted
// into a section of an examination built from the rest of the input. Marks that decode encode
// to the bytes they came from; pasted, they leave the examination's marks in mark order and
// grouped, in the pasted section, and the examination saved and opened again saves alike.
#include "FuzzExamination.h"
#include "app/document/ClipboardMarks.h"
#include "app/document/TextException.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string clipboard = input.ConsumeRandomLengthString(4096);
    std::vector<CMark> marks;
    try {
        DecodeClipboardMarks(clipboard, marks);
    } catch (const CTextException&) {
        // Damaged clipboard data: refused with a message.
        return 0;
    }
    // Blocks may be rounded up: what follows the last mark is not part of them.
    const std::string encoded = EncodeClipboardMarks(marks);
    if (clipboard.compare(0, encoded.size(), encoded) != 0)
        __builtin_trap();

    fuzz::ClearFolder();
    fuzz::CFuzzServices& services = fuzz::FreshServices();
    CZR2000Doc doc(services.registers, services.repository, services.host);
    if (!doc.OnOpenDocument(fuzz::WriteFile("examination.zre", fuzz::BuildFile(input))))
        return 0;
    const int before = doc.GetMarkCount();
    const int section = input.ConsumeIntegralInRange(0, 4);
    doc.AddMarks(marks, section, 0);
    if (!fuzz::IsOrderedAndGrouped(doc) ||
        doc.GetMarkCount() > before + static_cast<int>(marks.size()) ||
        (!marks.empty() && doc.CountMarks(MakeSectionFilter(section, true)) == 0) ||
        !fuzz::SavesAlike(doc, services))
        __builtin_trap();
    return 0;
}
