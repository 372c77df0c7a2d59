#pragma once
// Reading the byte replies of engines, which come from outside: every length is checked against
// the bytes received, so a short or damaged reply is reported, never read past.

#include <cstdint>
#include <span>
#include <vector>

// The records of a batch of summaries: for each, a 32-bit little-endian length, then that many
// bytes. At most `wanted` records are taken; `complete` is false when the reply ends before
// them (a length running past the end, or fewer records than wanted).
struct CRecordBatch {
    std::vector<std::span<const std::uint8_t>> records;
    bool complete = false;
};
CRecordBatch SplitRecordBatch(std::span<const std::uint8_t> reply, std::size_t wanted);

// Whether the bytes are a PNG received whole: the signature, a header chunk first, every chunk
// inside the bytes, and the end chunk closing them exactly.
bool IsCompletePng(std::span<const std::uint8_t> bytes);
