#include "registers/PresentationFlags.h"

#include "registers/AsciiText.h"

std::uint32_t FieldKindFromName(std::string_view name) {
    struct CKindName {
        std::string_view name;
        std::uint32_t flag;
    };
    static constexpr CKindName kNames[] = {
        {"WORDMARK", kPresentWordMark},
        {"NOTICES", kPresentDetails},
        {"SPECIFICATION", kPresentGoods},
        {"ALL_CLASSES", kPresentClasses},
        {"PROP_NAME", kPresentOwnerName},
        {"PROP_ADDR", kPresentOwnerAddress},
        {"PROP_NAME_REST", kPresentFurtherOwners},
        {"PROP_ADDR_REST", kPresentFurtherAddresses},
        {"SERV_NAME", kPresentServiceNames},
        {"SERV_ADDR", kPresentServiceAddresses},
        {"AGENT_NAME", kPresentAgentNames},
        {"AGENT_ADDR", kPresentAgentAddresses},
        {"DEVICE", kPresentDevices},
        {"HISTORY", kPresentHistory},
        {"APPNUM", kPresentHeading},
    };
    for (const CKindName& kind : kNames)
        if (EqualsNoCase(name, kind.name))
            return kind.flag;
    return 0;
}
