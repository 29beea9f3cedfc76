// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ini_document.h"

#include <algorithm>
#include <cstdint>

#include "core/profile_number.h"

namespace zormade {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Keys before any section header, and the header that names that place in the file.
constexpr std::string_view kGeneral = "General";

// Blanks and control characters at a line's ends: a stray NUL or tab there harms nothing.
std::string_view Trim(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// A header with its ']' lost still names its section, so the keys below it stay there.
std::string SectionName(std::string_view line) {
    line.remove_prefix(1);
    line = Trim(line.substr(0, line.find(']')));
    if (SameLetters(line, kGeneral)) return "";
    if (!line.empty() && line.front() == '%' && SameLetters(line.substr(1), kGeneral)) {
        return std::string(kGeneral);
    }
    return std::string(line);
}

std::string HeaderOf(const std::string& section) {
    if (section.empty()) return "[General]";
    if (SameLetters(section, kGeneral)) return "[%General]";
    return "[" + section + "]";
}

bool IsPlain(char c) {
    return c != '"' && c != '\\' && (static_cast<unsigned char>(c) >= 0x20 || c == '\t');
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

char SimpleEscape(char c) {
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"': case '\'': case '?': case '\\': return c;
    default: return 0;
    }
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool IsUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) length = 1, code = lead;
        else if (lead >= 0xC2 && lead < 0xE0) length = 2, code = lead & 0x1F;
        else if (lead >= 0xE0 && lead < 0xF0) length = 3, code = lead & 0x0F;
        else if (lead >= 0xF0 && lead < 0xF5) length = 4, code = lead & 0x07;
        else return false;
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
        if (overlong || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
        i += length;
    }
    return true;
}

// A character given by its number: \x and hex digits, or \ and octal digits, as many as follow.
// Only one UTF-16 unit that is no half of a pair can stand alone.
bool ReadNumberEscape(std::string_view stored, std::size_t& i, int base, std::string& out) {
    std::uint32_t code = 0;
    std::size_t digits = 0;
    for (; i < stored.size(); ++i, ++digits) {
        const int digit = HexValue(stored[i]);
        if (digit < 0 || digit >= base) break;
        code = code * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
        if (code > 0xFFFF) return false;
    }
    --i;
    if (digits == 0 || (code >= 0xD800 && code <= 0xDFFF)) return false;
    AppendUtf8(out, code);
    return true;
}

std::string Hex(unsigned char c) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    if (c >= 16) text += kDigits[c >> 4];
    text += kDigits[c & 15];
    return text;
}

}  // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument document;
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::string section;
    while (!text.empty()) {
        std::size_t end = 0;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        const std::string_view line = Trim(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            section = SectionName(line);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = Trim(line.substr(0, equals));
        if (key.empty()) continue;
        document.sections_[section][std::string(key)] = std::string(Trim(line.substr(equals + 1)));
    }
    return document;
}

std::string IniDocument::Text() const {
    std::string text;
    for (const auto& [section, keys] : sections_) {
        if (keys.empty()) continue;
        if (!text.empty()) text += '\n';
        text += HeaderOf(section) + '\n';
        for (const auto& [key, value] : keys) {
            text.append(key).append(1, '=').append(value).append(1, '\n');
        }
    }
    return text;
}

void IniDocument::Overlay(const IniDocument& other) {
    for (const auto& [section, keys] : other.sections_) {
        for (const auto& [key, value] : keys) sections_[section][key] = value;
    }
}

std::optional<std::string> IniDocument::Value(const std::string& section,
                                              const std::string& key) const {
    const auto found = sections_.find(section);
    if (found == sections_.end()) return std::nullopt;
    const auto value = found->second.find(key);
    if (value == found->second.end()) return std::nullopt;
    return DecodeIniValue(value->second);
}

int IniDocument::GetProfileInt(const std::string& section, const std::string& key, int def) {
    const std::optional<std::string> text = Value(section, key);
    return text ? ParseProfileInt(*text).value_or(def) : def;
}

std::string IniDocument::GetProfileString(const std::string& section, const std::string& key,
                                          const std::string& def) {
    return Value(section, key).value_or(def);
}

void IniDocument::WriteProfileInt(const std::string& section, const std::string& key,
                                  long long value) {
    sections_[section][key] = std::to_string(value);
}

void IniDocument::WriteProfileString(const std::string& section, const std::string& key,
                                     const std::string& value) {
    sections_[section][key] = EncodeIniValue(value);
}

std::optional<std::string> DecodeIniValue(std::string_view stored) {
    std::string text;
    text.reserve(stored.size());
    bool quoted = false;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        // Plain characters in one go: names can be long.
        std::size_t plain = i;
        while (plain < stored.size() && IsPlain(stored[plain])) ++plain;
        text.append(stored, i, plain - i);
        if ((i = plain) == stored.size()) break;
        const char c = stored[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (c != '\\' || ++i == stored.size()) {
            return std::nullopt;  // a control character, or a backslash that ends the line
        } else if (const char simple = SimpleEscape(stored[i])) {
            text += simple;
        } else if (stored[i] == 'x') {
            if (!ReadNumberEscape(stored, ++i, 16, text)) return std::nullopt;
        } else if (stored[i] >= '0' && stored[i] <= '7') {
            if (!ReadNumberEscape(stored, i, 8, text)) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    if (quoted || !IsUtf8(text)) return std::nullopt;
    // A text with a NUL is wrapped, one starting with @ has it doubled.
    constexpr std::string_view kWrapped = "@String(";
    if (text.size() > kWrapped.size() && text.compare(0, kWrapped.size(), kWrapped) == 0 &&
        text.back() == ')') {
        return text.substr(kWrapped.size(), text.size() - kWrapped.size() - 1);
    }
    if (text.compare(0, 2, "@@") == 0) return text.substr(1);
    return text;
}

std::string EncodeIniValue(std::string_view text) {
    std::string plain;
    if (text.find('\0') != std::string_view::npos) {
        plain = "@String(" + std::string(text) + ")";
    } else {
        plain = (!text.empty() && text.front() == '@' ? "@" : "") + std::string(text);
    }
    std::string stored;
    stored.reserve(plain.size() + 2);
    const bool needsQuotes = std::any_of(plain.begin(), plain.end(),
                                         [](char c) { return c == ';' || c == ',' || c == '='; });
    // After a numeric escape a hex digit would read as part of it.
    bool escapeHexDigit = false;
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const char c = plain[i];
        const auto byte = static_cast<unsigned char>(c);
        if (escapeHexDigit && HexValue(c) >= 0) {
            stored += "\\x" + Hex(byte);
            continue;
        }
        escapeHexDigit = false;
        std::size_t run = i;
        while (run < plain.size() && IsPlain(plain[run]) && plain[run] != '\t') ++run;
        if (run > i) {
            stored.append(plain, i, run - i);
            i = run - 1;
            continue;
        }
        switch (c) {
        case '\0': stored += "\\0"; escapeHexDigit = true; break;
        case '\a': stored += "\\a"; break;
        case '\b': stored += "\\b"; break;
        case '\f': stored += "\\f"; break;
        case '\n': stored += "\\n"; break;
        case '\r': stored += "\\r"; break;
        case '\t': stored += "\\t"; break;
        case '\v': stored += "\\v"; break;
        case '"':
        case '\\': stored += '\\'; stored += c; break;
        default:
            stored += "\\x" + Hex(byte);
            escapeHexDigit = true;
        }
    }
    if (needsQuotes || (!stored.empty() && (stored.front() == ' ' || stored.back() == ' '))) {
        stored = '"' + stored + '"';
    }
    return stored;
}

}  // namespace zormade
