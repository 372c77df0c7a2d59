#pragma once
// The comparer of each register that the difference check supports: which record fields are
// held against which page fields, with which tolerance, under which report labels.

#include "web/DetailsPages.h"
#include "web/Diff.h"
#include "web/RecordPageSites.h"
#include "web/RegisterSites.h"
#include "web/WalkSites.h"

// EU trade marks.
class CDiffCtm : public TDiff<CHtmlPageCtmDetails, CHtmlSiteCtm> {
public:
    void CompareDetails(const CHtmlPageCtmDetails& page, const CZrData& record,
                        CDiffReporter& reporter) override;
    std::vector<std::string> GetCheckedFields() const override;
    // Addresses agree when the page's letters and digits occur in order in the record's.
    int CompareNameAndAddress(std::string_view tag, std::string_view haveName,
                              std::string_view haveAddress, std::string_view pageName,
                              std::string_view pageAddress) override;
};

// Germany.
class CDiffDe : public TDiff<CHtmlPageDeDetails, CHtmlSiteDe> {
public:
    void CompareDetails(const CHtmlPageDeDetails& page, const CZrData& record,
                        CDiffReporter& reporter) override;
    std::vector<std::string> GetCheckedFields() const override;
    // Name and address as one text, with the tolerances of each list.
    int CompareNameAndAddress(std::string_view tag, std::string_view haveName,
                              std::string_view haveAddress, std::string_view pageName,
                              std::string_view pageAddress) override;
};

// The record status that a German page status stands for; "" for a text the table lacks.
std::string MapDeStatus(std::string_view pageStatus);

// Ireland.
class CDiffIe : public TDiff<CHtmlPageIeDetails, CHtmlSiteIe> {
public:
    void CompareDetails(const CHtmlPageIeDetails& page, const CZrData& record,
                        CDiffReporter& reporter) override;
    std::vector<std::string> GetCheckedFields() const override { return GetCheckedFields(true); }
    // The word mark is compared only when the page shows one.
    std::vector<std::string> GetCheckedFields(bool pageShowsWordMark) const;
    std::vector<std::string> ComparePage(const CHtmlPageIeDetails& page, const CZrData& record,
                                         CDiffReporter& reporter) override;
    // Addresses agree when the record's letters and digits (without a closing country code)
    // occur in order in the page's, five of them at least.
    int CompareNameAndAddress(std::string_view tag, std::string_view haveName,
                              std::string_view haveAddress, std::string_view pageName,
                              std::string_view pageAddress) override;
};

// International registrations.
class CDiffIn : public TDiff<CHtmlPageWipoDetails, CHtmlSiteIn> {
public:
    void CompareDetails(const CHtmlPageWipoDetails& page, const CZrData& record,
                        CDiffReporter& reporter) override;
    std::vector<std::string> GetCheckedFields() const override;
};

// United Kingdom: national marks, and international registrations designating the UK.
class CDiffUk : public TDiff<CHtmlPageUkDetails, CHtmlSiteUk> {
public:
    // Reserved marks (4,000,000 to 7,999,999) are not checked: a line says so and the answer is
    // false. Designations are compared by CompareIrDetails.
    bool CheckMark(CHtmlSiteUk& site, std::uint32_t number, const CZrData& record,
                   CDiffReporter& reporter) override;
    void CompareDetails(const CHtmlPageUkDetails& page, const CZrData& record,
                        CDiffReporter& reporter) override;
    void CompareIrDetails(const CHtmlPageUkDetails& page, const CZrData& record,
                          CDiffReporter& reporter);
    std::vector<std::string> GetCheckedFields() const override;
    std::vector<std::string> GetCheckedFieldsIr() const;
    // A designation (by the record's APPNUM) is compared as one.
    std::vector<std::string> ComparePage(const CHtmlPageUkDetails& page, const CZrData& record,
                                         CDiffReporter& reporter) override;
    int CompareNameAndAddress(std::string_view tag, std::string_view haveName,
                              std::string_view haveAddress, std::string_view pageName,
                              std::string_view pageAddress) override;

private:
    void CompareStatusAndWordMark(const CHtmlPageUkDetails& page, const CZrData& record,
                                  CDiffReporter& reporter, const std::string& statusLabel,
                                  const std::string& wordMarkLabel);

    // The page's first address for service, which may stand in for a missing agent.
    std::string serviceName_;
    std::string serviceAddress_;
};

// UK domain names: the registry's whois answer for the record's domain.
class CDiffUkdom : public TDiff<CHtmlPageUkdomDetails, CHtmlSiteUkdom> {
public:
    void CompareDetails(const CHtmlPageUkdomDetails& page, const CZrData& record,
                        CDiffReporter& reporter) override;
    std::vector<std::string> GetCheckedFields() const override;

protected:
    bool BuildRequest(CHtmlSiteUkdom& site, std::uint32_t number, const CZrData& record,
                      CHtmlRequest& request, std::string& error) override;
};

// United States.
class CDiffUs : public TDiff<CHtmlPageUsTarrDetails, CHtmlSiteUs> {
public:
    void CompareDetails(const CHtmlPageUsTarrDetails& page, const CZrData& record,
                        CDiffReporter& reporter) override;
    std::vector<std::string> GetCheckedFields() const override;
    // Only the first two lines of the record's address need agree, or all of it with the
    // country added.
    int CompareNameAndAddress(std::string_view tag, std::string_view haveName,
                              std::string_view haveAddress, std::string_view pageName,
                              std::string_view pageAddress) override;

protected:
    // The US rule reads the record address's lines.
    std::string AddressForComparison(std::string_view recordAddress) const override {
        return std::string(recordAddress);
    }
};

// Article 6ter emblems.
class CDiffA6 : public TDiff<CHtmlPageA6Details, CHtmlSiteA6> {
public:
    // The word mark is compared only when the page shows one.
    void CompareDetails(const CHtmlPageA6Details& page, const CZrData& record,
                        CDiffReporter& reporter) override;
    std::vector<std::string> GetCheckedFields() const override { return GetCheckedFields(true); }
    std::vector<std::string> GetCheckedFields(bool pageShowsWordMark) const;
    std::vector<std::string> ComparePage(const CHtmlPageA6Details& page, const CZrData& record,
                                         CDiffReporter& reporter) override;

protected:
    // The emblem search of the record's key; the register's other lists are not checked.
    bool BuildRequest(CHtmlSiteA6& site, std::uint32_t number, const CZrData& record,
                      CHtmlRequest& request, std::string& error) override;
};
