// Replies of engines as registers read them: a batch of summary records (the first byte says
// how many are wanted), each record's fields, and an image checked whole before it is decoded.
#include "core/Ping.h"
#include "core/ZrData.h"
#include "registers/EngineReplies.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> reply(data, size);
    if (!reply.empty()) {
        const CRecordBatch batch = SplitRecordBatch(reply.subspan(1), reply[0]);
        for (const auto bytes : batch.records) {
            CZrData record;
            record.Assign(bytes.data(), bytes.size());
            record.GetField("WORDMARK");
            record.GetFieldBytes("ICON");
        }
    }
    if (IsCompletePng(reply)) {
        CPing image;
        image.SetPngData(data, size, 0, 0);
        image.ToDib();
    }
    return 0;
}
