#pragma once
// The fixed tables the synthetic data set draws from: words, owners, agents, goods texts, Vienna
// figurative codes, Locarno classes and languages. Everything is built once and never changes,
// so the data set is the same on every run.

#include <cstdint>
#include <string>
#include <vector>

struct NameAndAddress {
    std::string name;
    std::string address;
};

struct ViennaCode {
    int category, division, section;
    std::string description;
    // Two BCD digits per level: category in byte 2, division in byte 1, section in byte 0.
    std::uint32_t Packed() const;
    // "%d.%d.%d" (trailing zero levels left out).
    std::string Text() const;
};

struct LocarnoClass {
    int classNumber, subclass;
    std::string english, french;
    // Two BCD digits each: class in byte 1, subclass in byte 0.
    std::uint32_t Packed() const;
    // "06-01".
    std::string Text() const;
};

class CVocabulary {
public:
    static const CVocabulary& Get();

    // Upper-case words; the first ones are the words of the anchor marks, then real words, then
    // made-up ones. Greek words (Windows-1253 capitals) come last and only in Greek marks.
    const std::vector<std::string>& Words() const { return words_; }
    std::uint16_t WordIndex(const std::string& word) const;
    // How many words ordinary marks draw from (the Greek ones excluded).
    std::uint16_t OrdinaryWordCount() const { return ordinaryWords_; }
    std::uint16_t FirstGreekWord() const { return ordinaryWords_; }
    std::uint16_t GreekWordCount() const {
        return static_cast<std::uint16_t>(words_.size() - ordinaryWords_);
    }

    const std::vector<NameAndAddress>& Owners() const { return owners_; }
    const std::vector<NameAndAddress>& Agents() const { return agents_; }
    const std::vector<NameAndAddress>& Designers() const { return designers_; }
    // The goods text of a Nice class (1-45).
    const std::string& Goods(int niceClass) const { return goods_.at(niceClass); }
    const std::vector<ViennaCode>& Vienna() const { return vienna_; }
    const std::vector<LocarnoClass>& Locarno() const { return locarno_; }
    // Two-letter language codes of filings.
    const std::vector<std::string>& Languages() const { return languages_; }
    // Countries that international registrations designate (a bit each in a mark).
    const std::vector<std::string>& MadridCountries() const { return madridCountries_; }

private:
    CVocabulary();

    std::vector<std::string> words_;
    std::uint16_t ordinaryWords_ = 0;
    std::vector<NameAndAddress> owners_, agents_, designers_;
    std::vector<std::string> goods_;
    std::vector<ViennaCode> vienna_;
    std::vector<LocarnoClass> locarno_;
    std::vector<std::string> languages_, madridCountries_;
};
