#include "testsvc/data/CriteriaEvaluator.h"

#include "testsvc/data/CriteriaItems.h"

#include <algorithm>
#include <cctype>
#include <strings.h>

namespace {

struct Token {
    enum Kind { Name, Text, Open, Close, Equals, End } kind;
    std::string text;
    std::size_t position;
};

class CTokens {
public:
    explicit CTokens(const std::string& text) : text_(text) { Advance(); }

    const Token& Peek() const { return current_; }
    Token Take() {
        Token token = current_;
        Advance();
        return token;
    }
    bool TakeKeyword(const char* keyword) {
        if (current_.kind != Token::Name || strcasecmp(current_.text.c_str(), keyword) != 0)
            return false;
        Advance();
        return true;
    }
    [[noreturn]] void Fail(const char* what) const {
        throw CCriteriaError(std::string(what) + " at character " +
                             std::to_string(current_.position + 1) + " of the criteria");
    }

private:
    void Advance() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
        current_ = {Token::End, "", pos_};
        if (pos_ >= text_.size())
            return;
        const char c = text_[pos_];
        if (c == '(' || c == ')' || c == '=') {
            current_.kind = c == '(' ? Token::Open : c == ')' ? Token::Close : Token::Equals;
            ++pos_;
        } else if (c == '"') {
            current_.kind = Token::Text;
            ReadQuoted();
        } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            current_.kind = Token::Name;
            while (pos_ < text_.size() &&
                   (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
                current_.text += text_[pos_++];
        } else {
            Fail("Unexpected character");
        }
    }

    // A quoted value: a backslash makes the next character part of the value.
    void ReadQuoted() {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            if (text_[pos_] == '\\' && pos_ + 1 < text_.size())
                ++pos_;
            current_.text += text_[pos_++];
        }
        if (pos_ >= text_.size())
            Fail("Unterminated value");
        ++pos_;
    }

    const std::string& text_;
    std::size_t pos_ = 0;
    Token current_;
};

class CParser {
public:
    CParser(const CCriteriaItems& items, const std::string& text) : items_(items), tokens_(text) {}

    CMarkSet ParseAll() {
        if (tokens_.Peek().kind == Token::End)
            return items_.All();
        CMarkSet result = ParseOr();
        if (tokens_.Peek().kind != Token::End)
            tokens_.Fail("Unexpected text");
        return result;
    }

private:
    CMarkSet ParseOr() {
        CMarkSet result = ParseAnd();
        while (tokens_.TakeKeyword("OR"))
            result.Or(ParseAnd());
        return result;
    }

    CMarkSet ParseAnd() {
        CMarkSet result = items_.All();
        if (tokens_.TakeKeyword("ANDNOT"))
            result.AndNot(ParsePrimary());
        else
            result = ParsePrimary();
        for (;;) {
            if (tokens_.TakeKeyword("ANDNOT"))
                result.AndNot(ParsePrimary());
            else if (tokens_.TakeKeyword("AND"))
                result.And(ParsePrimary());
            else
                return result;
        }
    }

    CMarkSet ParsePrimary() {
        if (tokens_.Peek().kind == Token::Open) {
            tokens_.Take();
            CMarkSet result = ParseOr();
            if (tokens_.Peek().kind != Token::Close)
                tokens_.Fail("Missing )");
            tokens_.Take();
            return result;
        }
        if (tokens_.Peek().kind != Token::Name)
            tokens_.Fail("Criteria item expected");
        const Token name = tokens_.Take();
        if (tokens_.Peek().kind != Token::Equals)
            tokens_.Fail("= expected");
        tokens_.Take();
        if (tokens_.Peek().kind != Token::Text)
            tokens_.Fail("Quoted value expected");
        return items_.Evaluate(name.text, tokens_.Take().text);
    }

    const CCriteriaItems& items_;
    CTokens tokens_;
};

} // namespace

std::vector<std::uint32_t> CCriteriaEvaluator::Evaluate(const std::string& criteria,
                                                        const std::string& restriction,
                                                        bool oneClassOnly) const {
    const CCriteriaItems items(data_, oneClassOnly);
    CMarkSet found = CParser(items, criteria).ParseAll();
    if (!restriction.empty() && (data_.Info().traits & kMadrid))
        found.And(items.Evaluate("CNTRY", restriction));
    std::vector<std::uint32_t> ids;
    const std::vector<TestMark>& marks = data_.Marks();
    for (std::size_t i = 0; i < marks.size(); ++i)
        if (found.Has(i))
            ids.push_back(marks[i].recordId);
    std::sort(ids.begin(), ids.end());
    return ids;
}
