#include "testsvc/server/Sequences.h"

OctetSeq* NewOctetSeq(const Bytes& bytes) {
    OctetSeq_var sequence = new OctetSeq(static_cast<CORBA::ULong>(bytes.size()));
    sequence->length(static_cast<CORBA::ULong>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i)
        sequence[static_cast<CORBA::ULong>(i)] = bytes[i];
    return sequence._retn();
}

UlongSeq* NewUlongSeq(const std::vector<std::uint32_t>& ids, std::size_t first, std::size_t count) {
    UlongSeq_var sequence = new UlongSeq(static_cast<CORBA::ULong>(count));
    sequence->length(static_cast<CORBA::ULong>(count));
    for (std::size_t i = 0; i < count; ++i)
        sequence[static_cast<CORBA::ULong>(i)] = ids[first + i];
    return sequence._retn();
}

std::string DescribeIds(const UlongSeq& ids) {
    constexpr CORBA::ULong kShown = 8;
    std::string text;
    for (CORBA::ULong i = 0; i < ids.length() && i < kShown; ++i) {
        if (i)
            text += ',';
        text += std::to_string(ids[i]);
    }
    if (ids.length() > kShown) {
        text += ",... ";
        text += std::to_string(ids.length());
        text += " ids";
    }
    return text;
}
