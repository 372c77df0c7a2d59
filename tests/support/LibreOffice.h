#pragma once
// LibreOffice as an independent reader of RTF: it converts a document to another format in a
// private folder with a private profile and a time-out.

#include <map>
#include <string>
#include <vector>

// The soffice program on the PATH; empty when LibreOffice is not installed.
std::string FindSoffice();

// Converts the RTF with the filter ("txt:Text (encoded):UTF8", "html"); the files written,
// by name ("sample.txt", "sample.html" and the pictures). Empty when the conversion fails.
std::map<std::string, std::string> ConvertRtf(const std::string& soffice, const std::string& rtf,
                                              const std::string& filter);

// The text's lines without the byte-order mark and without blanks and carriage returns at
// their ends.
std::vector<std::string> TextLines(std::string text);
