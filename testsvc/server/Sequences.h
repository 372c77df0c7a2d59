#pragma once
// Copies between the service's data and the sequences that go on the wire.

#include "engines/idl/ZrEngine.hh"
#include "testsvc/data/RecordWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// A new sequence holding the bytes; the ORB frees it after the reply.
OctetSeq* NewOctetSeq(const Bytes& bytes);
// A new sequence of count ids starting at first.
UlongSeq* NewUlongSeq(const std::vector<std::uint32_t>& ids, std::size_t first, std::size_t count);

// "a,b,c" of a sequence of numbers, for the call log; long ones are cut short.
std::string DescribeIds(const UlongSeq& ids);
