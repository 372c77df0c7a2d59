#pragma once
// One token of a report template: a run of text, or a tag such as [[NAME]], [[?NAME=VALUE]] or
// [[STARTVECTOR][FIELD=GOODS]].

#include <string>
#include <utility>
#include <vector>

struct CReportToken {
    using Attribute = std::pair<std::string, std::string>;

    void Reset() { *this = CReportToken(); }

    bool isTag = false;
    bool isTest = false;               // the tag began with "?" or "!"
    bool negated = false;              // the tag began with "!"
    std::string name;                  // the tag's name, or the text itself
    std::string value;                 // a test tag's text after "="
    std::vector<Attribute> attributes; // in the order written
};
