#include "platform/vcl/FormText.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

namespace vcl {

namespace {

enum class TokenKind { Name, Integer, Float, String, Punct, End };

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;  // a name, the digits of a number, a string's content, or the punctuation
    int line = 1;
    int column = 1;
};

class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Token Next() {
        SkipBlanks();
        Token token;
        token.line = line_;
        token.column = column_;
        if (pos_ >= text_.size()) return token;
        const char c = text_[pos_];
        if (IsNameStart(c)) {
            token.kind = TokenKind::Name;
            while (pos_ < text_.size() && (IsNameStart(text_[pos_]) || IsDigit(text_[pos_]) || text_[pos_] == '.'))
                token.text += Take();
        } else if (IsDigit(c) || (c == '-' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1]))) {
            token.kind = TokenKind::Integer;
            token.text += Take();
            while (pos_ < text_.size() && (IsDigit(text_[pos_]) || text_[pos_] == '.' || text_[pos_] == 'e' ||
                                           text_[pos_] == 'E' || ((text_[pos_] == '-' || text_[pos_] == '+') &&
                                                                  (token.text.back() == 'e' || token.text.back() == 'E')))) {
                if (text_[pos_] == '.' || text_[pos_] == 'e' || text_[pos_] == 'E') token.kind = TokenKind::Float;
                token.text += Take();
            }
        } else if (c == '"') {
            token.kind = TokenKind::String;
            Take();
            token.text = ReadStringBody(token);
        } else if (std::string_view("=:{}()[],").find(c) != std::string_view::npos) {
            token.kind = TokenKind::Punct;
            token.text = std::string(1, Take());
        } else {
            Fail(token, std::string("unexpected character '") + c + "'");
        }
        return token;
    }

    [[noreturn]] static void Fail(const Token& at, const std::string& problem) {
        throw EFormTextError(std::to_string(at.line) + ":" + std::to_string(at.column) + ": " + problem);
    }

private:
    static bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    char Take() {
        const char c = text_[pos_++];
        if (c == '\n') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
        return c;
    }

    void SkipBlanks() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '#') {
                while (pos_ < text_.size() && text_[pos_] != '\n') Take();
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                Take();
            } else {
                break;
            }
        }
    }

    std::string ReadStringBody(const Token& start) {
        std::string body;
        for (;;) {
            if (pos_ >= text_.size() || text_[pos_] == '\n') Fail(start, "string without its closing quote");
            const char c = Take();
            if (c == '"') return body;
            if (c != '\\') {
                body += c;
                continue;
            }
            if (pos_ >= text_.size()) Fail(start, "string without its closing quote");
            const char escaped = Take();
            switch (escaped) {
                case '"': body += '"'; break;
                case '\\': body += '\\'; break;
                case 'n': body += '\n'; break;
                case 'r': body += '\r'; break;
                case 't': body += '\t'; break;
                case 'x': {
                    unsigned value = 0;
                    const char* first = text_.data() + pos_;
                    const auto [end, ec] = std::from_chars(first, first + std::min<std::size_t>(2, text_.size() - pos_), value, 16);
                    if (ec != std::errc() || end != first + 2) Fail(start, "\\x needs two hexadecimal digits");
                    Take();
                    Take();
                    body += static_cast<char>(value);
                    break;
                }
                default: Fail(start, std::string("unknown escape \\") + escaped);
            }
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int column_ = 1;
};

class Parser {
public:
    Parser(std::string_view text, const FormFileLoader& loadFile) : lexer_(text), loadFile_(loadFile) { Advance(); }

    ComponentRecord ParseRoot() {
        std::string name = ExpectName("component name");
        ComponentRecord root = ParseComponent(std::move(name), 0);
        if (token_.kind != TokenKind::End) Lexer::Fail(token_, "text after the root component");
        return root;
    }

private:
    void Advance() { token_ = lexer_.Next(); }

    bool IsPunct(char c) const { return token_.kind == TokenKind::Punct && token_.text[0] == c; }

    void Expect(char c) {
        if (!IsPunct(c)) Lexer::Fail(token_, std::string("'") + c + "' expected");
        Advance();
    }

    std::string ExpectName(const char* what) {
        if (token_.kind != TokenKind::Name) Lexer::Fail(token_, std::string(what) + " expected");
        std::string name = token_.text;
        Advance();
        return name;
    }

    void CheckDepth(int depth) const {
        if (depth >= kMaxFormNesting) Lexer::Fail(token_, "nested too deeply");
    }

    // A component and a property both begin with a name; the ':' after it tells a component.
    ComponentRecord ParseComponent(std::string componentName, int depth) {
        CheckDepth(depth);
        ComponentRecord record;
        record.name = std::move(componentName);
        Expect(':');
        record.className = ExpectName("class name");
        Expect('{');
        while (!IsPunct('}')) {
            std::string name = ExpectName("property or component name");
            if (IsPunct(':')) {
                record.children.push_back(ParseComponent(std::move(name), depth + 1));
                continue;
            }
            Expect('=');
            record.properties.push_back({name, ParseValue(depth + 1)});
        }
        Expect('}');
        return record;
    }

    PropValue ParseValue(int depth) {
        CheckDepth(depth);
        const Token start = token_;
        switch (token_.kind) {
            case TokenKind::String: {
                std::string text = token_.text;
                Advance();
                return text;
            }
            case TokenKind::Integer: {
                std::int64_t value = 0;
                const auto [end, ec] = std::from_chars(token_.text.data(), token_.text.data() + token_.text.size(), value);
                if (ec != std::errc() || end != token_.text.data() + token_.text.size())
                    Lexer::Fail(start, "integer out of range");
                Advance();
                return value;
            }
            case TokenKind::Float: {
                const double value = ParseDouble(start);
                Advance();
                return value;
            }
            case TokenKind::Name: return ParseWordValue(depth);
            case TokenKind::Punct:
                if (IsPunct('(')) return ParseList(depth);
                if (IsPunct('[')) return ParseSet();
                break;
            case TokenKind::End: break;
        }
        Lexer::Fail(start, "value expected");
    }

    double ParseDouble(const Token& at) const {
        double value = 0;
        const auto [end, ec] = std::from_chars(at.text.data(), at.text.data() + at.text.size(), value);
        if (ec != std::errc() || end != at.text.data() + at.text.size()) Lexer::Fail(at, "malformed number");
        return value;
    }

    double ExpectNumber() {
        if (token_.kind != TokenKind::Integer && token_.kind != TokenKind::Float) Lexer::Fail(token_, "number expected");
        const double value = ParseDouble(token_);
        Advance();
        return value;
    }

    std::string ExpectString(const char* what) {
        if (token_.kind != TokenKind::String) Lexer::Fail(token_, std::string(what) + " expected");
        std::string text = token_.text;
        Advance();
        return text;
    }

    PropValue ParseWordValue(int depth) {
        const Token start = token_;
        const std::string word = ExpectName("value");
        if (word == "true") return true;
        if (word == "false") return false;
        if (word == "nil") return Nil{};
        if (word == "currency") return Currency::FromDouble(ExpectNumber());
        if (word == "date") return DateTime{ExpectNumber()};
        if (word == "hex") return Binary{ParseHex(start, ExpectString("hexadecimal text"))};
        if (word == "file") {
            const std::string name = ExpectString("file name");
            try {
                return Binary{loadFile_(name)};
            } catch (const std::exception& error) {
                Lexer::Fail(start, error.what());
            }
        }
        if (word == "collection") return ParseCollection(depth);
        return Ident{word};
    }

    static std::vector<std::uint8_t> ParseHex(const Token& at, const std::string& text) {
        if (text.size() % 2 != 0) Lexer::Fail(at, "hexadecimal text needs two digits a byte");
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < text.size(); i += 2) {
            unsigned value = 0;
            const auto [end, ec] = std::from_chars(text.data() + i, text.data() + i + 2, value, 16);
            if (ec != std::errc() || end != text.data() + i + 2) Lexer::Fail(at, "malformed hexadecimal text");
            bytes.push_back(static_cast<std::uint8_t>(value));
        }
        return bytes;
    }

    PropValue ParseList(int depth) {
        Expect('(');
        ListValue list;
        while (!IsPunct(')')) {
            list.values.push_back(ParseValue(depth + 1));
            if (!IsPunct(')')) Expect(',');
        }
        Expect(')');
        return list;
    }

    PropValue ParseSet() {
        Expect('[');
        SetValue set;
        while (!IsPunct(']')) {
            set.members.push_back(ExpectName("set member"));
            if (!IsPunct(']')) Expect(',');
        }
        Expect(']');
        return set;
    }

    PropValue ParseCollection(int depth) {
        Expect('{');
        CollectionValue collection;
        while (!IsPunct('}')) {
            if (token_.kind != TokenKind::Name || token_.text != "item") Lexer::Fail(token_, "'item' expected");
            Advance();
            Expect('{');
            PropertyList item;
            while (!IsPunct('}')) {
                const std::string name = ExpectName("property name");
                Expect('=');
                item.push_back({name, ParseValue(depth + 1)});
            }
            Expect('}');
            collection.items.push_back(std::move(item));
        }
        Expect('}');
        return collection;
    }

    Lexer lexer_;
    Token token_;
    const FormFileLoader& loadFile_;
};

}  // namespace

ComponentRecord ParseFormText(std::string_view text, const FormFileLoader& loadFile) {
    return Parser(text, loadFile).ParseRoot();
}

}  // namespace vcl
