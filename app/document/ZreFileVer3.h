#pragma once
// Version 3 of the examination file, read only: database blocks with their dates, searches and
// marks in blocks per register (the United Kingdom and the European Union trade marks), and an
// old fixed criteria record that is converted into today's criteria.

#include "app/document/ZreFileVer.h"

class CBinaryReader;
class CCriteria;
class IRegisterCodeNames;

class CZreFileVer3 : public CZreFileVer {
public:
    static constexpr std::size_t kOldSearchFixedSize = 32;
    static constexpr std::size_t kOldCriteriaSize = 884;
    static constexpr std::size_t kOldMarkSize = 12;

    explicit CZreFileVer3(CZreFile& file) : CZreFileVer(file) {}

    void ReadHeader(CExamInfo& info, std::vector<CDbInfo>& databases) override;
    void ReadMarks(CMarkList& marks) override;
    void ReadSearches(CSearchList& searches) override;
    std::string GetDatabaseCodes() const override;
    // The old register numbers of the keys become letters: 1 'u', 2 'c', any other none.
    void ReadDirectory(std::uint32_t offset, std::uint32_t count) override;
};

// The old criteria record at the offset, for the register of the letter (0 for none); the
// code names give the texts of its numeric owner, agent and image codes.
CCriteria ConvertV3Criteria(const CBinaryReader& in, std::size_t offset, char registerCode,
                            const IRegisterCodeNames& codeNames);
