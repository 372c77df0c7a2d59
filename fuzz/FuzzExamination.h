#pragma once
// Examination files for the fuzz targets: the contents of a valid file built from fuzz input,
// so that the document's code beyond the file checks is reached on most inputs.

#include "FuzzSupport.h"
#include "app/document/DatabaseCheck.h"
#include "app/document/ZreFile.h"
#include "app/document/ZreFileVer.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <vector>

namespace fuzz {

// Marks of these registers, UK and EUTM most often.
inline const std::string kRegisters = "uucckso\x01";

inline CExamInfo MakeInfo(FuzzedDataProvider& input) {
    CExamInfo info;
    info.SetCreated(input.ConsumeIntegral<std::uint32_t>());
    info.SetSections(input.ConsumeIntegralInRange(0, 99));
    info.SetOneClassOnly(input.ConsumeBool());
    info.SetType(input.ConsumeBool() ? CExamInfo::kWatch : CExamInfo::kExamination);
    info.SetWatchMarkCount(input.ConsumeIntegralInRange(0, 1000));
    const int texts = input.ConsumeIntegralInRange(0, 4);
    for (int i = 0; i < texts; ++i) {
        const int key = input.PickValueInArray({CExamInfo::kClient, CExamInfo::kAgency,
                                                CExamInfo::kDbSelection, CExamInfo::kExamId, 7});
        info.SetValue(key, input.ConsumeRandomLengthString(64));
    }
    return info;
}

inline std::vector<CDbInfo> MakeDatabases(FuzzedDataProvider& input) {
    std::vector<CDbInfo> databases;
    for (const char code : std::string("ucs")) {
        if (!input.ConsumeBool())
            continue;
        // Mostly the engine the registers have, sometimes another one.
        const CZrDbEngine engine =
            input.ConsumeBool()
                ? fuzz::CFuzzRegisters::Engine(code)
                : CZrDbEngine(code, input.ConsumeIntegral<std::uint32_t>(),
                              CZrDate(input.ConsumeIntegral<std::uint32_t>()),
                              input.ConsumeRandomLengthString(40), ZrEngine::_nil(), 0);
        databases.push_back(SavedDatabase(code, engine));
    }
    return databases;
}

inline CSearchList MakeSearches(FuzzedDataProvider& input) {
    CSearchList searches;
    const int count = input.ConsumeIntegralInRange(0, 6);
    for (int i = 0; i < count; ++i) {
        CSearch search(input.ConsumeIntegralInRange(0, 4), input.ConsumeIntegralInRange(0, 8));
        search.SetOrder(input.ConsumeIntegralInRange(0, 8));
        search.SetFlags(input.ConsumeIntegral<std::uint32_t>());
        search.SetFound(input.ConsumeIntegralInRange(0, 100000));
        search.SetMarkCount(input.ConsumeIntegralInRange(0, 100000));
        search.SetRunDatabases(input.ConsumeRandomLengthString(40));
        CCriteria criteria;
        criteria.ReadCriteriaText(input.ConsumeRandomLengthString(200));
        // As this program stores criteria: read back from the text it writes.
        for (int round = 0; round < 2; ++round)
            criteria.ReadCriteriaText(criteria.WriteCriteriaText(true));
        search.SetCriteria(criteria);
        searches.Add(search);
    }
    return searches;
}

inline CMarkList MakeMarks(FuzzedDataProvider& input) {
    CMarkList marks;
    const int count = input.ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < count; ++i) {
        const std::uint32_t record = input.ConsumeIntegralInRange<std::uint32_t>(0, 12) << 4;
        const char code =
            kRegisters[input.ConsumeIntegralInRange<std::size_t>(0, kRegisters.size() - 1)];
        const int section = input.ConsumeIntegralInRange(0, 3);
        const int searchId = input.ConsumeIntegralInRange(0, 8);
        const int appNumber = input.ConsumeBool() ? 0 : input.ConsumeIntegral<int>();
        marks.Append(CMark(record, code, section, searchId, appNumber,
                           input.ConsumeIntegral<std::uint32_t>()));
    }
    return marks;
}

// A valid version-5 file of contents made from the input.
inline std::string BuildFile(FuzzedDataProvider& input) {
    const CExamInfo info = MakeInfo(input);
    const std::vector<CDbInfo> databases = MakeDatabases(input);
    const CSearchList searches = MakeSearches(input);
    const CMarkList marks = MakeMarks(input);
    CZreFile file;
    file.OpenForWrite("built.zre");
    file.WriteHeader(info, databases);
    file.WriteSearches(searches, nullptr);
    file.WriteMarks(marks, nullptr);
    return file.GetWrittenBytes();
}

inline bool StartsWithFileId(const std::uint8_t* data, std::size_t size) {
    const std::uint32_t id = CZreFileVer::kFileId;
    return size >= 4 && data[0] == (id & 0xff) && data[1] == (id >> 8 & 0xff) &&
           data[2] == (id >> 16 & 0xff) && data[3] == id >> 24;
}

} // namespace fuzz
