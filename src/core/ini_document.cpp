// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ini_document.h"

#include <algorithm>
#include <cstdint>

#include "core/profile_number.h"
#include "core/utf8.h"

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

// The name "[name" gives, the place before any header for [General] as the settings code had it.
std::string SectionName(std::string_view line) {
    line = Trim(line.substr(1));
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
    case '"':
    case '\'':
    case '?':
    case '\\': return c;
    default: return 0;
    }
}

constexpr std::uint32_t kReplacement = 0xFFFD;

// The text as a name control can show it: U+FFFD for each byte that starts no character and for
// each control character but the tab.
std::string Showable(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t code = 0;
        const std::size_t length = Utf8Character(text, i, code);
        if (length == 0 || (code < 0x20 && code != '\t') || code == 0x7F) {
            AppendUtf8(shown, kReplacement);
            i += std::max<std::size_t>(length, 1);
        } else {
            shown.append(text, i, length);
            i += length;
        }
    }
    return shown;
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    auto unit = [&](std::size_t k) -> std::uint32_t {
        const auto first = static_cast<unsigned char>(bytes[k]);
        const auto second = static_cast<unsigned char>(bytes[k + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    std::string text;
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unit(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = kReplacement;
        }
        AppendUtf8(text, code);
    }
    if (i < bytes.size()) AppendUtf8(text, kReplacement);
    return text;
}

// A UTF-16 file without its byte order mark: its first line is ASCII characters, each beside a
// zero byte, whose side tells the byte order, and so are most of its units. true for big-endian.
std::optional<bool> UnmarkedUtf16(std::string_view text) {
    for (const bool bigEndian : {false, true}) {
        const std::size_t zero = bigEndian ? 0 : 1;
        std::size_t units = 0;
        bool lineEnded = false;
        for (std::size_t i = 0; i + 1 < text.size() && !lineEnded; i += 2, ++units) {
            const auto ascii = static_cast<unsigned char>(text[i + 1 - zero]);
            if (text[i + zero] != '\0' || ascii == 0 || ascii >= 0x80) break;
            lineEnded = ascii == '\n';
        }
        if (units < 2 || !(lineEnded || units * 2 == text.size())) continue;
        // One such line before plain text is no UTF-16 file: the game writes unknown lines back
        // as they stand, and its own file must read back the same. Most units keep their zero.
        std::size_t zeroUnits = 0;
        for (std::size_t i = 0; i + 1 < text.size(); i += 2) zeroUnits += text[i + zero] == '\0';
        if (zeroUnits * 2 >= text.size() / 2) return bigEndian;
    }
    return std::nullopt;
}

// "[name]" with nothing after the bracket but blanks; its name.
std::optional<std::string> HeaderName(std::string_view line) {
    const std::size_t close = line.find(']');
    if (line.empty() || line.front() != '[' || close == std::string_view::npos ||
        !Trim(line.substr(close + 1)).empty()) {
        return std::nullopt;
    }
    return SectionName(line.substr(0, close));
}

std::string Lower(std::string text) {
    for (char& c : text) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    return text;
}

std::string Folded(const std::string& section, const std::string& key) {
    return Lower(section + '\0' + key);
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

// The bytes a stored value stands for: quotes paired, escapes known, no raw control character.
std::optional<std::string> Unescape(std::string_view stored) {
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
    if (quoted) return std::nullopt;
    return text;
}

// A text with a NUL is wrapped, one starting with @ has it doubled.
std::string Unwrapped(std::string text) {
    constexpr std::string_view kWrapped = "@String(";
    if (text.size() > kWrapped.size() && text.compare(0, kWrapped.size(), kWrapped) == 0 &&
        text.back() == ')') {
        return text.substr(kWrapped.size(), text.size() - kWrapped.size() - 1);
    }
    if (text.compare(0, 2, "@@") == 0) return text.substr(1);
    return text;
}

}  // namespace

std::optional<std::string> DecodeIniValue(std::string_view stored) {
    std::optional<std::string> text = Unescape(stored);
    if (!text || !IsUtf8(*text)) return std::nullopt;
    return Unwrapped(std::move(*text));
}

IniDocument IniDocument::Parse(std::string_view text, LegacyDecoder legacy) {
    IniDocument document;
    document.legacy_ = std::move(legacy);
    std::string converted;
    if (text.substr(0, 2) == "\xFF\xFE" || text.substr(0, 2) == "\xFE\xFF") {
        converted = Utf16ToUtf8(text.substr(2), text[0] == '\xFE');
        text = converted;
    } else if (const std::optional<bool> bigEndian = UnmarkedUtf16(text)) {
        converted = Utf16ToUtf8(text, *bigEndian);
        text = converted;
    }
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
        document.byteOrderMark_ = true;
    }
    while (!text.empty()) {
        std::size_t end = 0;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        Line line{std::string(text.substr(0, end)), false, {}, {}};
        const bool crlf = text.substr(end, 2) == "\r\n";
        text.remove_prefix(std::min(end + (crlf ? 2 : 1), text.size()));
        const std::string_view trimmed = Trim(line.text);
        if (const std::optional<std::string> name = HeaderName(trimmed)) {
            document.sections_.push_back({*name, std::move(line.text), {}});
            continue;
        }
        const std::size_t equals = trimmed.find('=');
        // Comments, and a damaged header that must not pass for a key.
        const bool plain = !trimmed.empty() &&
                           std::string_view(";#[").find(trimmed.front()) == std::string_view::npos;
        if (plain && equals != std::string_view::npos && !Trim(trimmed.substr(0, equals)).empty()) {
            line.entry = true;
            line.key = Trim(trimmed.substr(0, equals));
            line.value = Trim(trimmed.substr(equals + 1));
        }
        document.sections_.back().lines.push_back(std::move(line));
    }
    return document;
}

std::string IniDocument::Text() const {
    std::string text(byteOrderMark_ ? kByteOrderMark : "");
    for (const Section& section : sections_) {
        if (!section.header.empty()) text.append(section.header).append(1, '\n');
        for (const Line& line : section.lines) text.append(line.text).append(1, '\n');
    }
    return text;
}

void IniDocument::Overlay(const IniDocument& other) {
    for (const Section& section : other.sections_) {
        for (const Line& line : section.lines) {
            if (line.entry) Store(section.name, line.key, line.value);
        }
    }
}

bool IniDocument::HasSection(const std::string& name) const {
    return std::any_of(sections_.begin() + 1, sections_.end(),
                       [&name](const Section& section) { return SameLetters(section.name, name); });
}

bool IniDocument::Blank() const {
    return sections_.size() == 1 &&
           std::all_of(sections_[0].lines.begin(), sections_[0].lines.end(),
                       [](const Line& line) { return Trim(line.text).empty(); });
}

IniDocument::Line* IniDocument::Find(const std::string& section, const std::string& key) {
    Line* found = nullptr;
    for (Section& candidate : sections_) {
        if (!SameLetters(candidate.name, section)) continue;
        for (Line& line : candidate.lines) {
            if (line.entry && SameLetters(line.key, key)) found = &line;
        }
    }
    return found;
}

void IniDocument::Store(const std::string& section, const std::string& key,
                        const std::string& stored) {
    if (Line* line = Find(section, key)) {
        if (line->value != stored) *line = {line->key + '=' + stored, true, line->key, stored};
        return;
    }
    auto target = std::find_if(sections_.rbegin(), sections_.rend(),
                               [&](const Section& s) { return SameLetters(s.name, section); });
    if (target == sections_.rend()) {
        const auto later =
            std::find_if(sections_.begin() + 1, sections_.end(),
                         [&](const Section& s) { return Lower(s.name) > Lower(section); });
        Section fresh{section, HeaderOf(section), {}};
        // A blank line between sections.
        if (later != sections_.end()) {
            fresh.lines.emplace_back();
        } else if (Section& last = sections_.back(); !last.lines.empty()
                                                         ? !Trim(last.lines.back().text).empty()
                                                         : !last.header.empty()) {
            last.lines.emplace_back();
        }
        target = std::make_reverse_iterator(sections_.insert(later, std::move(fresh)) + 1);
    }
    std::vector<Line>& lines = target->lines;
    auto place = std::find_if(lines.begin(), lines.end(), [&](const Line& line) {
        return line.entry && Lower(line.key) > Lower(key);
    });
    if (place == lines.end()) {
        const auto lastEntry =
            std::find_if(lines.rbegin(), lines.rend(), [](const Line& line) { return line.entry; });
        place = lastEntry.base();
    }
    lines.insert(place, Line{key + '=' + stored, true, key, stored});
}

IniDocument::Shown IniDocument::Show(std::string_view stored) const {
    if (!IsUtf8(stored)) {
        // Text of the older code page is decoded whole, and only then are its escapes read.
        const std::optional<std::string> text = legacy_ ? legacy_(stored) : std::nullopt;
        if (!text) return {Showable(stored), Reading::Unread};
        if (std::optional<std::string> decoded = DecodeIniValue(*text))
            return {std::move(*decoded), Reading::Legacy};
        return {Showable(*text), Reading::Unread};
    }
    if (std::optional<std::string> text = DecodeIniValue(stored))
        return {std::move(*text), Reading::Exact};
    // Escapes that stand for the older code page's bytes.
    if (const std::optional<std::string> bytes = Unescape(stored); bytes && legacy_) {
        if (std::optional<std::string> text = legacy_(*bytes)) {
            return {Unwrapped(std::move(*text)), Reading::Legacy};
        }
    }
    return {Showable(stored), Reading::Unread};
}

int IniDocument::GetProfileInt(const std::string& section, const std::string& key, int def) {
    const Line* line = Find(section, key);
    if (!line) return def;
    const Shown shown = Show(line->value);
    const std::optional<int> number =
        shown.reading != Reading::Unread ? ParseProfileInt(shown.text) : std::nullopt;
    if (number) return *number;
    unreadNumbers_[Folded(section, key)] = def;
    return def;
}

std::string IniDocument::GetProfileString(const std::string& section, const std::string& key,
                                          const std::string& def) {
    const Line* line = Find(section, key);
    if (!line) return def;
    Shown shown = Show(line->value);
    if (shown.reading == Reading::Unread) unreadTexts_.emplace(shown.text, line->value);
    return std::move(shown.text);
}

void IniDocument::WriteProfileInt(const std::string& section, const std::string& key,
                                  long long value) {
    const auto unread = unreadNumbers_.find(Folded(section, key));
    if (unread != unreadNumbers_.end()) {
        const bool unchanged = unread->second == value;
        unreadNumbers_.erase(unread);
        if (unchanged) return;
    }
    Store(section, key, std::to_string(value));
}

void IniDocument::WriteProfileString(const std::string& section, const std::string& key,
                                     const std::string& value) {
    // The same text stays in the form it has, a hand-written or an unreadable one; a text of
    // the older code page is written anew as UTF-8.
    if (const Line* line = Find(section, key)) {
        const Shown shown = Show(line->value);
        if (shown.reading != Reading::Legacy && shown.text == value) return;
    }
    const auto unread = unreadTexts_.find(value);
    Store(section, key, unread != unreadTexts_.end() ? unread->second : EncodeIniValue(value));
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
        case '\0':
            stored += "\\0";
            escapeHexDigit = true;
            break;
        case '\a': stored += "\\a"; break;
        case '\b': stored += "\\b"; break;
        case '\f': stored += "\\f"; break;
        case '\n': stored += "\\n"; break;
        case '\r': stored += "\\r"; break;
        case '\t': stored += "\\t"; break;
        case '\v': stored += "\\v"; break;
        case '"':
        case '\\':
            stored += '\\';
            stored += c;
            break;
        default: stored += "\\x" + Hex(byte); escapeHexDigit = true;
        }
    }
    if (needsQuotes || (!stored.empty() && (stored.front() == ' ' || stored.back() == ' '))) {
        stored = '"' + stored + '"';
    }
    return stored;
}

}  // namespace zormade
