#include "testsvc/data/MarkRecords.h"

#include "testsvc/data/Images.h"
#include "testsvc/data/Vocabulary.h"

#include <functional>

namespace {

using FieldsWriter = std::function<void(CRecordWriter&)>;

Bytes Build(const RecordDefect& defect, const FieldsWriter& writeFields) {
    CRecordWriter writer;
    if (!defect.errorText.empty()) {
        writer.AddText("ERROR", defect.errorText);
        return writer.Finish();
    }
    writeFields(writer);
    return defect.damaged ? writer.FinishDamaged() : writer.Finish();
}

const char* NumberTag(const CTestRegisterData& data) {
    return data.Info().traits & kSerialNumbers ? "SERNUM" : "APPNUM";
}

std::string LanguagePairDescription(const CTestRegisterData& data, const TestMark& mark) {
    const CVocabulary& vocabulary = CVocabulary::Get();
    const LocarnoClass& locarno = vocabulary.Locarno()[mark.locarno];
    const std::string words = data.WordMarkText(mark);
    if (mark.seq % 40 == 0) // descriptions in Greek only
        return FormatPairList({{"EL", words}});
    return FormatPairList({{"EN", words + " " + locarno.english}, {"FR", locarno.french}});
}

std::vector<std::string> DeviceCategories(const TestMark& mark) {
    std::vector<std::string> codes;
    for (std::uint8_t i = 0; i < mark.viennaCount; ++i)
        codes.push_back(CVocabulary::Get().Vienna()[mark.vienna[i]].Text());
    return codes;
}

std::string Designations(const TestMark& mark) {
    std::string text;
    const auto& countries = CVocabulary::Get().MadridCountries();
    for (std::size_t i = 0; i < countries.size(); ++i) {
        if (mark.designations & (1u << i))
            text += (text.empty() ? "" : ", ") + countries[i];
    }
    return text;
}

// Fields that both kinds of record carry.
void WriteHeadFields(CRecordWriter& writer, const CTestRegisterData& data, const TestMark& mark) {
    const RegisterInfo& info = data.Info();
    const AppNumber number = data.AppNumberOf(mark);
    writer.AddText("WORDMARK", data.WordMarkText(mark));
    if (mark.flags & TestMark::kGreek)
        writer.AddText("CHARSET2", "1");
    writer.AddText(NumberTag(data), number.text);
    if (info.traits & kSerialNumbers)
        writer.AddText("APPNUM", number.regNumber.empty() ? number.text : number.regNumber);
    writer.AddText("STATUS", StatusWord(mark.status));
    writer.AddText("CLASSES", ClassesText(mark));
    writer.AddText("APPDATE", DateText(mark.appDay));
    writer.AddText("REGDATE", DateText(mark.regDay));
    if (info.traits & kJournal)
        writer.AddText("JOURNAL", std::to_string(6000 + mark.seq % 500));
    if (info.traits & kHasLanguages) {
        const auto& languages = CVocabulary::Get().Languages();
        writer.AddText("LANG1", languages[mark.language1]);
        if (mark.language2 != mark.language1)
            writer.AddText("LANG2", languages[mark.language2]);
    }
    if (info.traits & kReservedWords) {
        // Article 6ter emblems, and the names of two other lists.
        static const char* const kSubsets[] = {"EGI", "A6", "RWO"};
        writer.AddText("SUBSET", kSubsets[mark.seq % 3]);
    }
    if (info.traits & kDesigns) {
        const LocarnoClass& locarno = CVocabulary::Get().Locarno()[mark.locarno];
        writer.AddText("LOCAR", locarno.Text());
        writer.AddText("DESDESCR", LanguagePairDescription(data, mark));
        writer.AddText("PUBDATE", DateText(mark.appDay + 60));
    }
}

void WriteSummaryFields(CRecordWriter& writer, const CTestRegisterData& data,
                        const TestMark& mark) {
    WriteHeadFields(writer, data, mark);
    if (data.Info().traits & kDesigns)
        writer.AddText("CLASS", CVocabulary::Get().Locarno()[mark.locarno].Text());
    else
        writer.AddText("CLASS", ClassesText(mark));
    if (mark.device)
        writer.AddRaw("ICON", MakeIconDib(mark.recordId));
}

void WriteParties(CRecordWriter& writer, const TestMark& mark) {
    const CVocabulary& vocabulary = CVocabulary::Get();
    const NameAndAddress& owner = vocabulary.Owners()[mark.owner];
    std::vector<TextPair> owners = {{owner.name, owner.address}};
    if (mark.seq % 4 == 0) { // joint owners
        const NameAndAddress& second =
            vocabulary.Owners()[(mark.owner + 7) % vocabulary.Owners().size()];
        owners.push_back({second.name, second.address});
    }
    writer.AddText("PROPS", FormatPairList(owners));
    if (mark.agent >= 0) {
        const NameAndAddress& agent = vocabulary.Agents()[mark.agent];
        writer.AddText("AGENTS", FormatPairList({{agent.name, agent.address}}));
        writer.AddText("SERVS", FormatPairList({{agent.name, agent.address}}));
    }
}

void WriteGoods(CRecordWriter& writer, const TestMark& mark) {
    std::vector<TextPair> goods;
    for (int niceClass = 1; niceClass <= 45; ++niceClass)
        if (mark.HasClass(niceClass))
            goods.push_back({std::to_string(niceClass), CVocabulary::Get().Goods(niceClass)});
    writer.AddText("GOODS", FormatPairList(goods));
}

void WriteDevice(CRecordWriter& writer, const TestMark& mark) {
    if (!mark.device)
        return;
    writer.AddText("DEVCATS", FormatStringList(DeviceCategories(mark)));
    writer.AddText("IMCOLOURS", "Blue, red and white");
    if (mark.imageCount > 1) {
        std::vector<TextPair> images;
        for (std::uint8_t i = 0; i < mark.imageCount; ++i)
            images.push_back({std::to_string(i + 1), "View " + std::to_string(i + 1)});
        writer.AddText("IMINFO", FormatPairList(images));
    }
    writer.AddRaw("ICON0", MakeMarkPng(mark.recordId, 0, 32, 24));
}

void WriteHistory(CRecordWriter& writer, const TestMark& mark) {
    std::string history = DateText(mark.appDay) + ": Application filed";
    if (mark.regDay) {
        history += '\\';
        history += DateText(mark.regDay);
        history += ": Registered";
    }
    writer.AddText("HISTORY", history);
    writer.AddText("TXHISTORY", FormatItemList({{DateText(mark.appDay), "??", "Filed"},
                                                {DateText(mark.appDay + 30), "??", "Examined"}}));
}

// A stand-in clip that players decode: an empty ID3 tag and a quarter of a second of silent
// MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz, mono), whose side information is all zeros.
Bytes SilentClip() {
    constexpr std::size_t kFrameBytes = 417;
    constexpr int kFrames = 10;
    Bytes clip = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < kFrames; ++i) {
        const std::size_t start = clip.size();
        clip.resize(start + kFrameBytes, 0);
        clip[start] = 0xFF;
        clip[start + 1] = 0xFB;
        clip[start + 2] = 0x90;
        clip[start + 3] = 0xC4;
    }
    return clip;
}

void WriteRegisterFields(CRecordWriter& writer, const CTestRegisterData& data,
                         const TestMark& mark) {
    const std::uint32_t traits = data.Info().traits;
    if ((traits & kHasSound) && (mark.flags & TestMark::kSound)) {
        writer.AddText("HASSOUND", "1");
        writer.AddRaw("SOUND", SilentClip());
    }
    if (traits & kMadrid) {
        writer.AddText("RNDATE", DateText(mark.appDay + 3652));
        writer.AddText("ORIG_COUNTRY", "CH");
        writer.AddText("ORIG_REG", "CH " + std::to_string(500000 + mark.seq));
        writer.AddText("MKDUR", mark.seq % 5 ? "10" : "20");
        writer.AddText("MARKDESCR", mark.device ? "The mark consists of a figurative element" : "");
        // Older registrations designate under the Agreement, the rest under the Protocol.
        writer.AddText(mark.seq % 3 ? "MAD_PROTO" : "MAD_AGRMNT", Designations(mark));
    }
    if (traits & kReservedWords)
        writer.AddText("PKEY", "Reserved list " + std::to_string(mark.seq % 3 + 1) + " #" +
                                   std::to_string(mark.seq));
    if (traits & kDesigns) {
        const CVocabulary& vocabulary = CVocabulary::Get();
        const LocarnoClass& locarno = vocabulary.Locarno()[mark.locarno];
        writer.AddText("LOCARNO", FormatPairList({{locarno.Text(), locarno.english}}));
        const NameAndAddress& designer =
            vocabulary.Designers()[mark.seq % vocabulary.Designers().size()];
        writer.AddText("DESTX", FormatPairList({{designer.name, designer.address}}));
    }
    if (traits & kDomains)
        writer.AddText("Status", StatusWord(mark.status));
    if (data.Code() == 's')
        writer.AddText("USSTATUS", mark.status == MarkStatus::Registered ? "Registered" : "Dead");
    if (data.Code() == 'c')
        writer.AddText("PTOSTATUS", StatusWord(mark.status));
}

void WriteTextFields(CRecordWriter& writer, const CTestRegisterData& data, const TestMark& mark) {
    WriteHeadFields(writer, data, mark);
    writer.AddText("MARKTYPE", mark.device ? "Figurative" : "Word");
    if (!(data.Info().traits & kDomains)) {
        WriteGoods(writer, mark);
        WriteDevice(writer, mark);
    }
    WriteParties(writer, mark);
    WriteRegisterFields(writer, data, mark);
    WriteHistory(writer, mark);
    writer.AddText("SRCINFO", "Synthetic test data, register " + std::string(1, data.Code()));
}

} // namespace

std::string ClassesText(const TestMark& mark) {
    std::string text;
    for (int niceClass = 1; niceClass <= 45; ++niceClass)
        if (mark.HasClass(niceClass))
            text += (text.empty() ? "" : ", ") + std::to_string(niceClass);
    return text;
}

Bytes BuildSummaryRecord(const CTestRegisterData& data, const TestMark& mark,
                         const RecordDefect& defect) {
    return Build(defect, [&](CRecordWriter& writer) { WriteSummaryFields(writer, data, mark); });
}

Bytes BuildTextRecord(const CTestRegisterData& data, const TestMark& mark,
                      const RecordDefect& defect) {
    return Build(defect, [&](CRecordWriter& writer) { WriteTextFields(writer, data, mark); });
}

Bytes BuildMissingRecord(std::uint32_t recordId) {
    CRecordWriter writer;
    writer.AddText("ERROR", "Mark " + std::to_string(recordId) + " not found");
    return writer.Finish();
}
