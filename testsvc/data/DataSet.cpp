#include "testsvc/data/DataSet.h"

#include "testsvc/data/Vocabulary.h"

#include <cctype>
#include <cstdio>

const char* const kAddedLastWeek = "AddedLastWeek";
const char* const kUpdatedLastWeek = "UpdatedLastWeek";

namespace {

// A small, well-mixed generator: the same register and sequence number give the same mark.
class CMarkRandom {
public:
    CMarkRandom(char code, std::uint32_t seq)
        : state_((static_cast<std::uint64_t>(static_cast<unsigned char>(code)) << 32) ^ seq) {}
    std::uint32_t Next(std::uint32_t bound) {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<std::uint32_t>((z ^ (z >> 31)) % bound);
    }

private:
    std::uint64_t state_;
};

struct Anchor {
    const char* words[3];
    MarkStatus status;
    std::uint8_t images; // 0: word mark
};

// Marks that tests search for: exact, wildcard, similar, anagram and phrase hits of ACME.
const Anchor kAnchors[] = {
    {{"ACME"}, MarkStatus::Registered, 0},  {{"ACME", "ZENITH"}, MarkStatus::Registered, 3},
    {{"ZENITH"}, MarkStatus::Pending, 1},   {{"STAR", "BRIGHT"}, MarkStatus::Lapsed, 0},
    {{"NOVA"}, MarkStatus::Abandoned, 1},   {{"ALPHA", "OMEGA"}, MarkStatus::Registered, 0},
    {{"ACMEX"}, MarkStatus::Registered, 0}, {{"ACNE"}, MarkStatus::Registered, 0},
    {{"EMCA"}, MarkStatus::Registered, 0},  {{"NEW", "WORLD", "ORDER"}, MarkStatus::Registered, 0},
};

MarkStatus StatusOf(std::uint32_t draw) {
    if (draw < 5)
        return MarkStatus::Registered;
    if (draw < 7)
        return MarkStatus::Pending;
    if (draw < 9)
        return MarkStatus::Lapsed;
    return MarkStatus::Abandoned;
}

void CivilFromDays(std::int32_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int32_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int32_t doe = z - era * 146097;
    const std::int32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int32_t mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = yoe + era * 400 + (month <= 2 ? 1 : 0);
}

} // namespace

std::int32_t DayOf(int year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yoe = year - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

std::string DateText(std::int32_t day) {
    if (day == 0)
        return "";
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int y, m, d;
    CivilFromDays(day, y, m, d);
    char text[24];
    std::snprintf(text, sizeof text, "%d %s %d", d, months[m - 1], y);
    return text;
}

std::uint32_t DateYmd(std::int32_t day) {
    int y, m, d;
    CivilFromDays(day, y, m, d);
    return static_cast<std::uint32_t>(y * 10000 + m * 100 + d);
}

CTestRegisterData::CTestRegisterData(const RegisterInfo& info, std::uint32_t markCount)
    : info_(info) {
    marks_.reserve(markCount);
    for (std::uint32_t seq = 1; seq <= markCount; ++seq) {
        marks_.push_back(MakeMark(seq));
        const TestMark& mark = marks_.back();
        indexById_.emplace(mark.recordId, seq - 1);
        idByAppNum_.emplace(mark.packedAppNum, mark.recordId);
    }
}

TestMark CTestRegisterData::MakeMark(std::uint32_t seq) const {
    const CVocabulary& vocabulary = CVocabulary::Get();
    const std::uint32_t traits = info_.traits;
    CMarkRandom random(info_.code, seq);
    TestMark mark;
    mark.seq = seq;

    if (seq <= std::size(kAnchors)) {
        const Anchor& anchor = kAnchors[seq - 1];
        for (const char* word : anchor.words)
            if (word)
                mark.words[mark.wordCount++] = vocabulary.WordIndex(word);
        mark.status = anchor.status;
        mark.imageCount = anchor.images;
        mark.classes = seq == 1 ? (1ull << 9) | (1ull << 35) : 1ull << (1 + random.Next(45));
    } else {
        mark.wordCount = static_cast<std::uint8_t>(1 + random.Next(3));
        for (std::uint8_t i = 0; i < mark.wordCount; ++i)
            mark.words[i] = static_cast<std::uint16_t>(random.Next(vocabulary.OrdinaryWordCount()));
        mark.status = StatusOf(random.Next(10));
        if (random.Next(10) < 3)
            mark.imageCount =
                random.Next(5) == 0 ? static_cast<std::uint8_t>(2 + random.Next(2)) : 1;
        const std::uint32_t classCount = 1 + random.Next(3);
        for (std::uint32_t i = 0; i < classCount; ++i)
            mark.classes |= 1ull << (1 + random.Next(45));
    }
    if (traits & kDomains) {
        mark.status = MarkStatus::Registered;
        mark.imageCount = 0;
    }
    if ((traits & (kDomains | kDesigns)) != 0)
        mark.classes = 0;
    if (info_.code == 'c' && seq % 50 == 0) {
        mark.flags |= TestMark::kGreek;
        mark.wordCount = 1;
        mark.words[0] = static_cast<std::uint16_t>(vocabulary.FirstGreekWord() +
                                                   random.Next(vocabulary.GreekWordCount()));
    }
    mark.device = mark.imageCount > 0;
    if ((traits & kHasSound) && seq % 20 == 0)
        mark.flags |= TestMark::kSound;
    if (seq % 7 == 0)
        mark.flags |= TestMark::kAdded;
    if (seq % 5 == 0)
        mark.flags |= TestMark::kUpdated;

    mark.appDay = DayOf(1990, 1, 1) + static_cast<std::int32_t>(random.Next(9500));
    if (mark.status == MarkStatus::Registered || mark.status == MarkStatus::Lapsed)
        mark.regDay = mark.appDay + 180 + static_cast<std::int32_t>(random.Next(400));
    mark.owner = static_cast<std::uint16_t>(random.Next(vocabulary.Owners().size()));
    if (random.Next(2) == 0)
        mark.agent = static_cast<std::int16_t>(random.Next(vocabulary.Agents().size()));
    if (mark.device) {
        mark.viennaCount = static_cast<std::uint8_t>(1 + random.Next(3));
        for (std::uint8_t i = 0; i < mark.viennaCount; ++i)
            mark.vienna[i] = static_cast<std::uint8_t>(random.Next(vocabulary.Vienna().size()));
    }
    mark.locarno = static_cast<std::uint8_t>(random.Next(vocabulary.Locarno().size()));
    mark.language1 = static_cast<std::uint8_t>(random.Next(vocabulary.Languages().size()));
    mark.language2 = static_cast<std::uint8_t>(random.Next(vocabulary.Languages().size()));
    if (traits & kMadrid) {
        const std::uint32_t count = 2 + random.Next(4);
        for (std::uint32_t i = 0; i < count; ++i)
            mark.designations |=
                static_cast<std::uint16_t>(1u << random.Next(vocabulary.MadridCountries().size()));
    }

    mark.numberIndex = (traits & kDuplicates) && seq % 10 == 0 && seq > 10 ? seq - 1 : seq;
    const AppNumber number = MakeAppNumber(info_, mark.numberIndex);
    mark.packedAppNum = number.packed;
    mark.mainAppNum = number.main;
    mark.recordId = MakeRecordId(info_.layout, seq, mark.status, mark.device);
    return mark;
}

const TestMark* CTestRegisterData::FindMark(std::uint32_t recordId) const {
    const auto found = indexById_.find(recordId);
    return found == indexById_.end() ? nullptr : &marks_[found->second];
}

std::uint32_t CTestRegisterData::FindRecordByAppNum(std::uint32_t packed) const {
    const auto found = idByAppNum_.find(packed);
    return found == idByAppNum_.end() ? 0 : found->second;
}

std::string CTestRegisterData::WordMarkText(const TestMark& mark) const {
    const std::vector<std::string>& words = CVocabulary::Get().Words();
    std::string text;
    for (std::uint8_t i = 0; i < mark.wordCount; ++i) {
        if (i)
            text += ' ';
        text += words[mark.words[i]];
    }
    if (info_.traits & kDomains) {
        for (char& c : text)
            c = c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        text += ".co.uk";
    }
    return text;
}

AppNumber CTestRegisterData::AppNumberOf(const TestMark& mark) const {
    return MakeAppNumber(info_, mark.numberIndex);
}

bool CTestRegisterData::IsInSet(const TestMark& mark, const std::string& setName) {
    if (setName == kAddedLastWeek)
        return mark.flags & TestMark::kAdded;
    if (setName == kUpdatedLastWeek)
        return mark.flags & TestMark::kUpdated;
    return false;
}
